#pragma once
// Float sound (+-1) to full-scale 32-bit samples of a given word length: rounded, or with
// TPDF dither (two uniform values of one step each), clipped at full scale.
#include <algorithm>
#include <cstddef>
#include <cstdint>

class TQuantiser
{
public:
    TQuantiser(int bits, bool dither) : m_bits(std::clamp(bits, 8, 32)), m_dither(dither) {}

    // in and out hold n samples; the value sits in the top `bits` bits of each output.
    // Rounds by truncating a value moved half a step away from zero: one conversion, no
    // call into the maths library for each sample.
    void run(const float *in, int32_t *out, size_t n)
    {
        const int shift = 32 - m_bits;
        const double scale = double(int64_t(1) << (m_bits - 1));
        const double low = -scale, high = scale - 1;
        for (size_t i = 0; i < n; ++i) {
            double v = double(in[i]) * scale;
            if (m_dither)
                v += triangular();
            v = v < low ? low : v > high ? high : v;
            const int64_t r = int64_t(v < 0 ? v - 0.5 : v + 0.5);
            out[i] = int32_t(uint32_t(r) << shift);
        }
    }

private:
    // -1 .. 1 step with a triangular density: the sum of two uniform values, both halves of
    // one draw of a xorshift generator (cheap, and plenty for dither).
    double triangular()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return (double(uint32_t(m_state)) + double(uint32_t(m_state >> 32))) * (1.0 / 4294967296.0) - 1.0;
    }

    int m_bits;
    bool m_dither;
    uint64_t m_state = 0x9e3779b97f4a7c15ull;
};
