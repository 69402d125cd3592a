#include "engine/encodestep.h"

#include "media/audiowriters.h"

namespace {
// True when the writer took its last set-up call; else the reason, or the fallback.
bool Took(const TAudioFile2 &writer, QString *reason, const QString &fallback)
{
    if (writer.LastError() == 0)
        return true;
    if (reason->isEmpty())
        *reason = writer.LastErrorText().isEmpty() ? fallback : writer.LastErrorText();
    return false;
}

const QString kRefused = QStringLiteral("The encoder does not accept the output settings");

void ConfigureMp3(TAudioFile2 &writer, const TOutputSettings &o, TWriterSetup &setup)
{
    if (o.Mp3Vbr == 1) {
        TAudioFile2LameEnc lame;
        lame.LameSampleRate = o.Mp3Frequency;
        lame.LameBitrate = o.Mp3Bitrate;
        lame.LameMode = o.Mp3Channels - 1;
        lame.LameOption = 0;
        lame.LameMaxBitrate = o.Mp3MaxBitrate;
        lame.LameVbrQuality = int16_t(o.Mp3VbrQuality);
        lame.LameVbr = true;
        writer.SetMp3Encoder(lame);
        setup.ok = Took(writer, &setup.reason, kRefused);
        return;
    }
    writer.SetMp3Format(o.Mp3Frequency, o.Mp3Bitrate, o.Mp3Channels);
    setup.ok = Took(writer, &setup.reason, kRefused);
    // LAME quietly takes another bit rate when the sample rate cannot carry the chosen one.
    const int kbps = mp3EncodedKbps(Mp3Settings{o.Mp3Frequency, o.Mp3Bitrate, o.Mp3Channels});
    if (setup.ok && kbps > 0 && kbps != o.Mp3Bitrate)
        setup.remark = QStringLiteral("Encoded at %1 kbps: MP3 at %2 Hz cannot carry %3 kbps")
                           .arg(kbps)
                           .arg(o.Mp3Frequency)
                           .arg(o.Mp3Bitrate);
}

void ConfigureOgg(TAudioFile2 &writer, const TOutputSettings &o, TWriterSetup &setup)
{
    // Quality mode takes precedence over variable bit rate and needs no check.
    if (o.OggUseQuality) {
        writer.SetOggFormat(o.OggFrequency, o.OggChannels, 0, 0, 0, int16_t(o.OggQuality));
        setup.ok = Took(writer, &setup.reason, kRefused);
        return;
    }
    const int minimum = o.OggVbr ? o.OggMinBitrate : 0;
    const int maximum = o.OggVbr ? o.OggMaxBitrate : 0;
    if (!writer.CheckOggFormat(o.OggFrequency, o.OggChannels, o.OggBitrate, minimum, maximum)) {
        setup.incorrectFormat = true;
        setup.reason = QStringLiteral("Incorrect format: the OGG encoder does not accept %1 Hz, %2 channel(s), "
                                      "%3 kbps (minimum %4, maximum %5)")
                           .arg(o.OggFrequency)
                           .arg(o.OggChannels)
                           .arg(o.OggBitrate)
                           .arg(minimum)
                           .arg(maximum);
        return;
    }
    writer.SetOggFormat(o.OggFrequency, o.OggChannels, o.OggBitrate, minimum, maximum, -1);
    setup.ok = Took(writer, &setup.reason, kRefused);
}
} // namespace

bool NeedsEncoding(int format) { return format != 2; }

TTempWavFormat TempWavFormat(int format, const TOutputSettings &o)
{
    switch (format) {
    case 2: return {o.WavChannels, o.WavFrequency, o.WavBps};
    case 4: return {o.FlacChannels, o.FlacFrequency, o.FlacBps};
    case 5: return {o.OpusChannels, 48000, 16};
    // 24 bits, as the decoder's sound is: rounding to 16 bits puts a noise floor into the
    // bands that the source left empty, and the AAC encoder then spends about a tenth
    // more time coding that noise.
    case 6: return {o.M4aChannels, o.M4aFrequency, 24};
    default: return {2, 44100, 2};
    }
}

TOutputSettings WithSourceFormat(TOutputSettings s, int rate, int bits)
{
    s.FlacFrequency = s.FlacFrequency ? s.FlacFrequency : rate;
    s.FlacBps = s.FlacBps ? s.FlacBps : bits;
    return s;
}

TWriterSetup ConfigureWriter(TAudioFile2 &writer, const TOutputSettings &s, int format)
{
    TWriterSetup setup;
    writer.SetEnableFlag(true);
    switch (format) {
    case 0:
        ConfigureMp3(writer, s, setup);
        break;
    case 1:
        writer.SetWmaProfile(s.WmaProfile);
        setup.ok = Took(writer, &setup.reason, kRefused);
        break;
    case 3:
        ConfigureOgg(writer, s, setup);
        break;
    case 4:
        writer.SetFlacFormat(s.FlacFrequency, s.FlacChannels, s.FlacBps, s.FlacCompression);
        setup.ok = Took(writer, &setup.reason, kRefused);
        break;
    case 5:
        writer.SetOpusFormat(s.OpusBitrate, s.OpusVbr, s.OpusChannels);
        setup.ok = Took(writer, &setup.reason, kRefused);
        break;
    case 6:
        writer.SetM4aFormat(s.M4aFrequency, s.M4aBitrate, s.M4aChannels);
        setup.ok = Took(writer, &setup.reason, kRefused);
        break;
    default:
        setup.reason = QStringLiteral("The output format is not one Clipvox knows");
    }
    return setup;
}

TEncodeResult EncodeWav(const QString &wav, const QString &out, int format, const TOutputSettings &s,
                        const TRunJob &job, double gainDb, const std::atomic<bool> &stop,
                        const std::function<void(int)> &percent)
{
    TEncodeResult result;
    TAudioFile2 reader, writer;
    const QString unreadable = QStringLiteral("The temporary sound file cannot be read");
    reader.OpenFile(wav, 0, 1);
    if (reader.LastError() != 0) {
        result.reason = reader.LastErrorText().isEmpty() ? unreadable : reader.LastErrorText();
        return result;
    }
    const TWriterSetup setup = ConfigureWriter(writer, WithSourceFormat(s, reader.FormatB(), reader.SampleBits()), format);
    if (!setup.ok) {
        result.reason = setup.reason;
        return result;
    }
    writer.SetInputFormat(reader.FormatB(), reader.FormatA());
    writer.SetInputLength(reader.TotalFrames());
    writer.SetGainDb(gainDb);
    writer.CreateFile(out, 0);
    bool ok = Took(writer, &result.reason, kRefused);
    const int n = reader.FormatA() * reader.FormatB();
    const int64_t total = reader.TotalFrames();
    const int frameElements = reader.FrameElements();
    int64_t frames = 0;
    int shown = -1;
    while (ok && !stop) {
        const SampleArray32 a = reader.ReadSamples32(n); // 24-bit sound keeps its bits
        if (a.empty()) {
            if (reader.LastError() != 0)
                ok = Took(reader, &result.reason, unreadable);
            break;
        }
        writer.WriteSamples32(a);
        ok = Took(writer, &result.reason, kRefused);
        if (frameElements > 0)
            frames = std::min<int64_t>(frames + int64_t(a.size()) / frameElements, total);
        const int now = total > 0 ? int(frames * 100 / total) : 0;
        if (now != shown && percent) {
            shown = now;
            percent(now);
        }
    }
    result.stopped = stop;
    writer.CloseFile();
    ok = ok && Took(writer, &result.reason, kRefused);
    reader.CloseFile();
    if (!ok || result.stopped)
        return result;

    if (job.TagsEnabled) {
        TAudioInformation2 info;
        info.infoTitle = job.TagTitle;
        info.infoArtist = job.TagArtist;
        info.infoAlbum = job.TagAlbum;
        info.infoComments = job.TagComment;
        info.infoCopyright = job.TagCopyright;
        info.InfoYear = job.TagYear;
        info.InfoTrack = int16_t(job.TagTrack);
        info.InfoGenre = int16_t(job.TagGenre);
        if (!info.WriteTags(out)) {
            result.reason = QStringLiteral("The tags could not be written: %1").arg(info.LastErrorText());
            return result;
        }
    }
    result.ok = true;
    result.remark = setup.remark;
    return result;
}
