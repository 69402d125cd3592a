// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/flac/flacformat.h"

#include "media/outputfile.h"
#include "media/tagwriting.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <FLAC/metadata.h>
#include <FLAC/stream_encoder.h>
#include <QCoreApplication>
#include <QFile>
#include <taglib/flacfile.h>
#include <taglib/id3v2framefactory.h>
#include <vector>

extern "C" {
#include <libavutil/md5.h>
#include <libavutil/mem.h>
}

namespace {

// Exported by libFLAC and used by its flac tool (--no-md5-sum), but declared only in a
// header libFLAC does not install.
extern "C" FLAC__bool FLAC__stream_encoder_set_do_md5(FLAC__StreamEncoder *encoder, FLAC__bool value); // NOLINT(readability-identifier-naming)

class FlacWriter final : public WideWriter
{
public:
    explicit FlacWriter(const FlacSettings &s) : m_s(s), m_md5(av_md5_alloc())
    {
        if (m_md5)
            av_md5_init(m_md5.get());
    }
    ~FlacWriter() override
    {
        if (m_enc)
            FLAC__stream_encoder_delete(m_enc);
        m_file.close(); // before its buffer goes
        if (m_seekTable)
            FLAC__metadata_object_delete(m_seekTable);
        if (m_padding)
            FLAC__metadata_object_delete(m_padding);
    }
    void expectFrames(int64_t frames) override { m_expected = frames; }
    // The MD5 signature of the sound, which costs the encoder about a seventh of its time,
    // is computed ahead when the samples reach the encoder as they are.
    std::function<void(const int32_t *, int)> workAhead() override
    {
        if (!m_same || m_started)
            return {};
        m_md5Ahead = true;
        return [this](const int32_t *samples, int frames) {
            m_aheadBuf.resize(size_t(frames) * size_t(m_s.channels));
            toWidth(samples, m_aheadBuf.size(), m_aheadBuf.data());
            digest(m_aheadBuf.data(), m_aheadBuf.size(), m_aheadBytes);
        };
    }

    bool open(const QString &path) override
    {
        m_path = path;
        if (const QString why = checkFlacSettings(m_s); !why.isEmpty())
            return fail(why);
        if (!setInput(m_inRate, m_inChannels))
            return false;
        if (!m_file.open(path, "w+b")) // STREAMINFO and the seek table are rewritten at the end
            return fail(cannotCreate(path));
        // A write call every 64 KiB, not every 4 (the bytes libFLAC rewrites at the end cost
        // one buffer of writing again).
        m_fileBuffer.resize(64 * 1024);
        std::setvbuf(m_file.handle(), m_fileBuffer.data(), _IOFBF, m_fileBuffer.size());
        m_enc = FLAC__stream_encoder_new();
        if (!m_enc || !m_md5)
            return fail(QCoreApplication::translate("Media", "Out of memory"));
        // The MD5 signature is ours (see digest), written into STREAMINFO at the end.
        FLAC__stream_encoder_set_do_md5(m_enc, false);
        FLAC__stream_encoder_set_channels(m_enc, unsigned(m_s.channels));
        FLAC__stream_encoder_set_bits_per_sample(m_enc, unsigned(m_s.bits));
        FLAC__stream_encoder_set_sample_rate(m_enc, unsigned(m_s.rate));
        FLAC__stream_encoder_set_compression_level(m_enc, unsigned(m_s.compression));
        if (!addSeekTable())
            return fail(QCoreApplication::translate("Media", "Out of memory"));
        // The file is ours, not libFLAC's, which would close it without a look at the result.
        const auto write = [](const FLAC__StreamEncoder *, const FLAC__byte buffer[], size_t bytes, uint32_t, uint32_t,
                              void *self) {
            return static_cast<FlacWriter *>(self)->m_file.write(buffer, bytes) ? FLAC__STREAM_ENCODER_WRITE_STATUS_OK
                                                                                : FLAC__STREAM_ENCODER_WRITE_STATUS_FATAL_ERROR;
        };
        const auto seek = [](const FLAC__StreamEncoder *, FLAC__uint64 offset, void *self) {
            return static_cast<FlacWriter *>(self)->m_file.seek(int64_t(offset)) ? FLAC__STREAM_ENCODER_SEEK_STATUS_OK
                                                                                 : FLAC__STREAM_ENCODER_SEEK_STATUS_ERROR;
        };
        const auto tell = [](const FLAC__StreamEncoder *, FLAC__uint64 *offset, void *self) {
            const int64_t at = static_cast<FlacWriter *>(self)->m_file.tell();
            *offset = FLAC__uint64(std::max<int64_t>(at, 0));
            return at >= 0 ? FLAC__STREAM_ENCODER_TELL_STATUS_OK : FLAC__STREAM_ENCODER_TELL_STATUS_ERROR;
        };
        if (FLAC__stream_encoder_init_stream(m_enc, write, seek, tell, nullptr, this) != FLAC__STREAM_ENCODER_INIT_STATUS_OK)
            return fail(QCoreApplication::translate("Media", "The FLAC encoder refuses %1 Hz, %2 channels, %3 bits")
                            .arg(m_s.rate).arg(m_s.channels).arg(m_s.bits));
        return true;
    }
    bool setInput(int rate, int channels) override
    {
        return takeInput(rate, channels, m_s.rate, m_s.channels, AV_SAMPLE_FMT_S32);
    }
    bool write32(const int32_t *samples, int frames) override
    {
        m_started = true;
        if (m_same)
            return encode(samples, frames);
        const int got = convert(samples, frames, m_s.channels, m_converted);
        return got >= 0 ? encode(m_converted.data(), got) : fail(QCoreApplication::translate("Media", "The FLAC encoder failed"));
    }
    bool finish() override
    {
        bool ok = m_same || write32(nullptr, 0); // the resampler's tail
        ok = FLAC__stream_encoder_finish(m_enc) && ok;
        FLAC__stream_encoder_delete(m_enc);
        m_enc = nullptr;
        ok = ok && rewriteMetadata();
        const bool closed = m_file.close();
        if (m_file.failed())
            error = cannotWrite(m_path, m_file.reason());
        else if (!ok && error.isEmpty())
            error = QCoreApplication::translate("Media", "The FLAC encoder failed");
        return ok && closed;
    }

private:
    // A seek point every 10 s of the expected length, as the flac tool writes: a template
    // the encoder fills in as it passes each point and writes back at the end. Without a
    // length there is no table (its size is fixed before the first frame).
    bool addSeekTable()
    {
        // Output samples, kept a little short so that resampling cannot leave the last
        // point past the end.
        const int64_t total = m_expected * m_s.rate / m_inRate - m_s.rate / 10;
        FLAC__StreamMetadata *blocks[2];
        unsigned count = 0;
        if (total > 0) {
            FLAC__stream_encoder_set_total_samples_estimate(m_enc, FLAC__uint64(total));
            m_seekTable = FLAC__metadata_object_new(FLAC__METADATA_TYPE_SEEKTABLE);
            if (!m_seekTable
                || !FLAC__metadata_object_seektable_template_append_spaced_points_by_samples(
                    m_seekTable, unsigned(10 * m_s.rate), FLAC__uint64(total))
                || !FLAC__metadata_object_seektable_template_sort(m_seekTable, true))
                return false;
            blocks[count++] = m_seekTable;
        }
        // 8 KiB of padding, as the flac tool leaves: the tags written afterwards take its
        // room instead of moving the whole file.
        m_padding = FLAC__metadata_object_new(FLAC__METADATA_TYPE_PADDING);
        if (!m_padding)
            return false;
        m_padding->length = 8192;
        blocks[count++] = m_padding;
        return FLAC__stream_encoder_set_metadata(m_enc, blocks, count);
    }
    // STREAMINFO gets the MD5 signature. Seek points the sound never reached (it ended
    // before the expected length) would name samples past the end: they become placeholders.
    // Both blocks are rewritten in place.
    bool rewriteMetadata()
    {
        uint8_t md5[16];
        av_md5_final(m_md5.get(), md5);
        bool unreached = false;
        if (m_seekTable) {
            FLAC__StreamMetadata_SeekTable &table = m_seekTable->data.seek_table;
            for (unsigned i = 0; i < table.num_points; ++i) {
                FLAC__StreamMetadata_SeekPoint &p = table.points[i];
                if (p.frame_samples == 0 && p.sample_number != FLAC__STREAM_METADATA_SEEKPOINT_PLACEHOLDER) {
                    p = {FLAC__STREAM_METADATA_SEEKPOINT_PLACEHOLDER, 0, 0};
                    unreached = true;
                }
            }
            if (unreached)
                FLAC__metadata_object_seektable_template_sort(m_seekTable, false);
        }
        // STREAMINFO comes first: its signature is 26 bytes into the file ("fLaC", the block's
        // header, 18 bytes of sizes and rates). The seek table is found by its block header.
        bool ok = m_file.seek(26) && m_file.write(md5, sizeof md5);
        for (int64_t at = 4; ok && unreached;) {
            uint8_t header[4];
            ok = m_file.seek(at) && m_file.read(header, sizeof header);
            const int64_t length = (int64_t(header[1]) << 16) | (int64_t(header[2]) << 8) | header[3];
            if (ok && (header[0] & 0x7f) == FLAC__METADATA_TYPE_SEEKTABLE) {
                const FLAC__StreamMetadata_SeekTable &table = m_seekTable->data.seek_table;
                std::vector<uint8_t> points;
                for (unsigned i = 0; i < table.num_points; ++i) {
                    const FLAC__StreamMetadata_SeekPoint &p = table.points[i];
                    for (int k = 7; k >= 0; --k)
                        points.push_back(uint8_t(p.sample_number >> (8 * k)));
                    for (int k = 7; k >= 0; --k)
                        points.push_back(uint8_t(p.stream_offset >> (8 * k)));
                    points.push_back(uint8_t(p.frame_samples >> 8));
                    points.push_back(uint8_t(p.frame_samples));
                }
                ok = int64_t(points.size()) == length && m_file.seek(at + 4) && m_file.write(points.data(), points.size());
                break;
            }
            ok = ok && !(header[0] & 0x80); // the last block, and no seek table
            at += 4 + length;
        }
        return ok || fail(QCoreApplication::translate("Media", "The FLAC encoder failed"));
    }
    // Full-scale samples down to the file's sample size, rounded half up (the largest value
    // kept), in 32-bit steps that the compiler vectorises.
    void toWidth(const int32_t *in, size_t n, FLAC__int32 *out) const
    {
        const int shift = 32 - m_s.bits;
        const int32_t top = int32_t((int64_t(1) << (m_s.bits - 1)) - 1);
        for (size_t i = 0; i < n; ++i)
            out[i] = std::min((in[i] >> shift) + ((in[i] >> (shift - 1)) & 1), top);
    }
    // FLAC's MD5 signature: every sample in little-endian order in whole bytes.
    void digest(const FLAC__int32 *samples, size_t n, std::vector<uint8_t> &bytes)
    {
        const size_t width = size_t(m_s.bits + 7) / 8;
        bytes.resize(n * width);
        uint8_t *b = bytes.data();
        if (width == 2) {
            for (size_t i = 0; i < n; ++i, b += 2) {
                b[0] = uint8_t(samples[i]);
                b[1] = uint8_t(samples[i] >> 8);
            }
        } else {
            for (size_t i = 0; i < n; ++i)
                for (size_t k = 0; k < width; ++k)
                    *b++ = uint8_t(samples[i] >> (8 * k));
        }
        av_md5_update(m_md5.get(), bytes.data(), bytes.size());
    }
    // Full-scale samples down to the file's sample size, rounded.
    bool encode(const int32_t *samples, int frames)
    {
        if (frames <= 0)
            return true;
        m_buf.resize(size_t(frames) * size_t(m_s.channels));
        toWidth(samples, m_buf.size(), m_buf.data());
        if (!m_md5Ahead)
            digest(m_buf.data(), m_buf.size(), m_bytes);
        if (FLAC__stream_encoder_process_interleaved(m_enc, m_buf.data(), unsigned(frames)))
            return true;
        if (m_file.failed())
            return fail(cannotWrite(m_path, m_file.reason()));
        const FLAC__StreamEncoderState state = FLAC__stream_encoder_get_state(m_enc);
        return fail(state == FLAC__STREAM_ENCODER_IO_ERROR || state == FLAC__STREAM_ENCODER_CLIENT_ERROR
                        ? QCoreApplication::translate("Media", "Cannot write %1").arg(m_path)
                        : QCoreApplication::translate("Media", "The FLAC encoder failed (%1)").arg(FLAC__StreamEncoderStateString[state]));
    }

    FlacSettings m_s;
    QString m_path;
    OutputFile m_file;
    FLAC__StreamEncoder *m_enc = nullptr;
    FLAC__StreamMetadata *m_padding = nullptr;
    FLAC__StreamMetadata *m_seekTable = nullptr;
    int64_t m_expected = 0; // input frames
    std::vector<int32_t> m_converted;
    std::vector<FLAC__int32> m_buf;
    struct Md5Free
    {
        void operator()(AVMD5 *p) const { av_free(p); }
    };
    std::unique_ptr<AVMD5, Md5Free> m_md5;
    bool m_md5Ahead = false;              // the signature is computed by workAhead's function
    std::vector<uint8_t> m_bytes;         // the encoder thread's samples as the signature reads them
    std::vector<FLAC__int32> m_aheadBuf;  // the same for the thread ahead
    std::vector<uint8_t> m_aheadBytes;
    std::vector<char> m_fileBuffer; // the output's stdio buffer, in use until libFLAC closes the file
};


const FormatSettingKey kKeys[] = {
    {"flac", "frequency", &OutputSettings::FlacFrequency, 0, INT_MIN, INT_MAX, kFlacFrequencies},
    {"flac", "channels", &OutputSettings::FlacChannels, 2, 1, 2},
    {"flac", "bps", &OutputSettings::FlacBps, 0, INT_MIN, INT_MAX, kFlacBits},
    {"flac", "compression", &OutputSettings::FlacCompression, 5, 0, 8},
};

// The tags as a Xiph comment and FLAC's own PICTURE block.
bool writeTags(TagLib::IOStream *stream, const OutputTags &info, bool all)
{
    TagLib::FLAC::File f(stream, TagLib::ID3v2::FrameFactory::instance(), false);
    if (!f.isValid())
        return false;
    setXiphGain(f.xiphComment(true), info.infoReplayGain, false);
    if (all)
        setXiph(f.xiphComment(true), info, false);
    if (all && !info.infoCover.isEmpty()) { // FLAC's own PICTURE block, not the comment's
        f.removePictures();
        f.addPicture(flacPicture(info));
    }
    return f.save();
}

WriterPlan plan(const OutputSettings &o, const SourceSound &source)
{
    // "Same as source": the source's rate, and 24 bits for sound of more than 16 (24- and
    // 32-bit or float PCM), else 16 (16-bit PCM and coded sound).
    const FlacSettings f{o.FlacFrequency ? o.FlacFrequency : source.rate, o.FlacChannels,
                         o.FlacBps ? o.FlacBps : source.keptBits, o.FlacCompression};
    WriterPlan p;
    p.reason = checkFlacSettings(f);
    if (!p.reason.isEmpty())
        return p;
    p.writer = makeFlacWriter(f);
    p.rate = f.rate;
    p.channels = f.channels;
    p.bits = f.bits;
    return p;
}
} // namespace

// WAV and FLAC keep 0.3 dB below -1 dBTP for what the 8x readings may miss (see format.h).
const OutputFormatModule flacFormat = {
    .name = "FLAC",
    .extension = "flac",
    .tags = true,
    .pictures = true,
    .keys = kKeys,
    .plan = plan,
    .ceilingDb = -1.3,
    .limitCeilingDb = -1.3,
    .limitLiftLu = 0,
    .lossy = false,
    .tagWriter = writeTags,
};

std::unique_ptr<AudioWriter> makeFlacWriter(const FlacSettings &s) { return std::make_unique<FlacWriter>(s); }

QString checkFlacSettings(const FlacSettings &s)
{
    if (s.rate < 1 || s.rate > 655350 || s.channels < 1 || s.channels > 2 || (s.bits != 16 && s.bits != 24)
        || s.compression < 0 || s.compression > 8)
        return QCoreApplication::translate("Media", "FLAC takes 1 or 2 channels, 16 or 24 bits and compression 0 to 8, not %1 Hz, "
                              "%2 channels, %3 bits, compression %4")
            .arg(s.rate).arg(s.channels).arg(s.bits).arg(s.compression);
    return {};
}
