// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Float sound (+-1) to full-scale 32-bit samples of a given word length: rounded, or with
// TPDF dither (two uniform values of one step each), clipped at full scale.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

class Quantiser
{
public:
    Quantiser(int bits, bool dither) : m_bits(std::clamp(bits, 8, 32)), m_dither(dither) {}

    // in and out hold n samples; the value sits in the top `bits` bits of each output.
    // Rounds half away from zero by truncating a value moved half a step outwards; clipping
    // and rounding take no branches, and the state lives in locals so the loop keeps it in
    // registers.
    void run(const float *in, int32_t *out, size_t n)
    {
        const int shift = 32 - m_bits;
        const double scale = double(int64_t(1) << (m_bits - 1));
        const double low = -scale, high = scale - 1;
        if (m_dither) {
            uint64_t state = m_state;
            for (size_t i = 0; i < n; ++i)
                out[i] = quantise(double(in[i]) * scale + triangular(state), low, high, shift);
            m_state = state;
        } else {
            for (size_t i = 0; i < n; ++i)
                out[i] = quantise(double(in[i]) * scale, low, high, shift);
        }
    }

private:
    static int32_t quantise(double v, double low, double high, int shift)
    {
        v = std::min(std::max(v, low), high);
        return int32_t(uint32_t(int64_t(v + std::copysign(0.5, v))) << shift);
    }
    // -1 .. 1 step with a triangular density: the sum of two uniform values, both halves of
    // one draw of a xorshift generator (cheap, and plenty for dither), added as integers so
    // that one conversion to double serves both.
    static double triangular(uint64_t &state)
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return double(int64_t(uint32_t(state)) + int64_t(state >> 32)) * (1.0 / 4294967296.0) - 1.0;
    }

    int m_bits;
    bool m_dither;
    uint64_t m_state = 0x9e3779b97f4a7c15ull;
};
