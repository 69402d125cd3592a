// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/audiofile.h"
#include <QCoreApplication>

#include "formats/flac/flacformat.h"
#include "formats/m4a/m4aformat.h"
#include "formats/mp3/mp3format.h"
#include "formats/ogg/oggformat.h"
#include "formats/opus/opusformat.h"
#include "formats/registry.h"
#include "formats/wav/wavformat.h"
#include "formats/wma/wmaformat.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <sndfile.h>

namespace {

// The formats by their stored numbers.
enum Kind { Mp3, Wma, Wav, Ogg, Flac, Opus, M4a };

} // namespace

struct TestAudioFile::Private
{
    // reader
    SNDFILE *in = nullptr;
    SF_INFO inInfo{};
    // writer set-up
    Mp3Settings mp3;
    OggSettings ogg;
    int wmaProfile = 38;
    FlacSettings flac;
    OpusSettings opus;
    M4aSettings m4a;
    int inRate = 44100, inChannels = 2;
    int64_t inLength = 0;
    std::unique_ptr<AudioWriter> out;
    // state
    int error = 0;
    QString errorText;

    void setError(int code, const QString &text)
    {
        error = code;
        errorText = text;
    }
    void clearError() { setError(0, {}); }
    void check(const QString &why) { why.isEmpty() ? clearError() : setError(FormatRefused, why); }
    bool write(const int32_t *samples, int frames)
    {
        if (out->wide())
            return out->write32(samples, frames);
        SampleArray narrow(size_t(frames) * size_t(inChannels));
        for (size_t i = 0; i < narrow.size(); ++i)
            narrow[i] = int16_t(std::min<int64_t>((int64_t(samples[i]) + 0x8000) >> 16, INT16_MAX));
        return out->write(narrow.data(), frames);
    }
    void closeReader()
    {
        if (in)
            sf_close(in);
        in = nullptr;
        inInfo = SF_INFO{};
    }
};

TestAudioFile::TestAudioFile() : d(std::make_unique<Private>()) {}

TestAudioFile::~TestAudioFile()
{
    d->closeReader();
    if (d->out)
        d->out->finish();
}

void TestAudioFile::openFile(const QString &path, int, int)
{
    d->closeReader();
    d->clearError();
    d->in = sf_open(QFile::encodeName(path).constData(), SFM_READ, &d->inInfo);
    if (!d->in) {
        const QString why = QFileInfo::exists(path) ? QString::fromLocal8Bit(sf_strerror(nullptr))
                                                    : QCoreApplication::translate("Media", "file not found");
        d->inInfo = SF_INFO{};
        d->setError(OpenFailed, QCoreApplication::translate("Media", "Cannot open %1 (%2)").arg(path, why));
    }
}

namespace {
// At most n elements, and at most one second, of whole frames.
template <typename Array, typename Read>
Array readFrames(SNDFILE *in, const SF_INFO &info, int n, Read read)
{
    if (!in)
        return {};
    const int ch = info.channels;
    const sf_count_t frames = std::min<sf_count_t>(n / ch, info.samplerate);
    if (frames <= 0)
        return {};
    Array a(size_t(frames) * ch);
    const sf_count_t got = read(in, a.data(), frames);
    a.resize(size_t(std::max<sf_count_t>(got, 0)) * ch);
    return a;
}
} // namespace

SampleArray TestAudioFile::readSamples(int n) { return readFrames<SampleArray>(d->in, d->inInfo, n, sf_readf_short); }

SampleArray32 TestAudioFile::readSamples32(int n) { return readFrames<SampleArray32>(d->in, d->inInfo, n, sf_readf_int); }

int64_t TestAudioFile::totalFrames() const { return d->inInfo.frames; }
int TestAudioFile::frameElements() const { return d->inInfo.channels; }
int TestAudioFile::formatA() const { return d->inInfo.channels; }
int TestAudioFile::formatB() const { return d->inInfo.samplerate; }

int TestAudioFile::sampleBits() const
{
    switch (d->inInfo.format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8: case SF_FORMAT_PCM_S8: return 8;
    case SF_FORMAT_PCM_24: return 24;
    case SF_FORMAT_PCM_32: case SF_FORMAT_FLOAT: return 32;
    default: return 16;
    }
}

void TestAudioFile::setInputFormat(int formatB, int formatA)
{
    d->clearError();
    d->inRate = formatB; // kept even when refused: createFile then refuses too
    d->inChannels = formatA;
    if (formatA < 1 || formatB < 1)
        d->setError(FormatRefused, QCoreApplication::translate("Media", "Input of %1 Hz, %2 channels cannot be encoded").arg(formatB).arg(formatA));
    else if (d->out && !d->out->setInput(formatB, formatA))
        d->setError(FormatRefused, d->out->error);
}

void TestAudioFile::setInputLength(int64_t frames)
{
    d->clearError();
    d->inLength = frames;
}

void TestAudioFile::setMp3Format(int hz, int kbps, int mode)
{
    d->mp3 = Mp3Settings{hz, kbps, mode, false, 7, 192};
    const QString why = checkMp3Settings(d->mp3);
    why.isEmpty() ? d->clearError() : d->setError(FormatRefused, why);
}

void TestAudioFile::setMp3Encoder(const AudioFileLameEncoder &e)
{
    d->mp3 = Mp3Settings{e.LameSampleRate, e.LameBitrate, e.LameMode + 1, e.LameVbr, e.LameVbrQuality, e.LameMaxBitrate};
    const QString why = checkMp3Settings(d->mp3);
    why.isEmpty() ? d->clearError() : d->setError(FormatRefused, why);
}

bool TestAudioFile::checkOggFormat(int hz, int channels, int nominal, int min, int max)
{
    return checkOggSettings(OggSettings{hz, channels, nominal, min, max, -1}).isEmpty();
}

void TestAudioFile::setOggFormat(int hz, int channels, int nominal, int min, int max, int16_t quality)
{
    d->ogg = OggSettings{hz, channels, nominal, min, max, quality < 0 ? -1 : int(quality)};
    const QString why = checkOggSettings(d->ogg);
    why.isEmpty() ? d->clearError() : d->setError(FormatRefused, why);
}

void TestAudioFile::setWmaProfile(int profile)
{
    d->wmaProfile = profile;
    if (profile < 0 || profile >= kWmaProfileCount)
        d->setError(FormatRefused, QCoreApplication::translate("Media", "There is no WMA profile %1").arg(profile));
    else
        d->clearError();
}

void TestAudioFile::setFlacFormat(int hz, int channels, int bits, int compression)
{
    d->flac = FlacSettings{hz, channels, bits, compression};
    d->check(checkFlacSettings(d->flac));
}

void TestAudioFile::setOpusFormat(int kbps, bool vbr, int channels)
{
    d->opus = OpusSettings{kbps, vbr, channels};
    d->check(checkOpusSettings(d->opus));
}

void TestAudioFile::setM4aFormat(int hz, int kbps, int channels)
{
    d->m4a = M4aSettings{hz, kbps, channels};
    d->check(checkM4aSettings(d->m4a));
}

void TestAudioFile::createFile(const QString &path, int)
{
    if (d->out)
        closeFile();
    d->clearError();
    const bool existed = QFileInfo::exists(path);
    const QString ext = QFileInfo(path).suffix().toLower();
    QString refused;
    const OutputFormatModule *format = outputFormatByExtension(ext);
    switch (format ? Kind(outputFormatNumber(ext)) : Wav) {
    case Mp3:
        d->out = makeMp3Writer(d->mp3);
        break;
    case Ogg:
        d->out = makeOggWriter(d->ogg);
        refused = checkOggSettings(d->ogg);
        break;
    case Wma:
        if (d->wmaProfile < 0 || d->wmaProfile >= kWmaProfileCount)
            refused = QCoreApplication::translate("Media", "There is no WMA profile %1").arg(d->wmaProfile);
        else
            d->out = makeWmaWriter(kWmaProfiles[d->wmaProfile]);
        break;
    case Flac:
        refused = checkFlacSettings(d->flac);
        d->out = makeFlacWriter(d->flac);
        break;
    case Opus:
        refused = checkOpusSettings(d->opus);
        d->out = makeOpusWriter(d->opus);
        break;
    case M4a:
        refused = checkM4aSettings(d->m4a);
        d->out = makeM4aWriter(d->m4a);
        break;
    case Wav: { // written by the one-pass job, not through this front
        QStringList known;
        for (const OutputFormatModule *f : outputFormats())
            if (f != &wavFormat)
                known << QLatin1Char('.') + QLatin1String(f->extension);
        const QString last = known.takeLast();
        refused = QCoreApplication::translate("Media", "Unknown output type \"%1\": use %2 or %3")
                      .arg(ext, known.join(QLatin1String(", ")), last);
        break;
    }
    }
    if (refused.isEmpty())
        d->out->expectFrames(d->inLength);
    if (refused.isEmpty() && d->out->setInput(d->inRate, d->inChannels) && d->out->open(path))
        return;
    if (refused.isEmpty())
        refused = d->out->error;
    d->out.reset(); // closes and frees whatever was made
    if (!existed)
        QFile::remove(path); // no half-made file stays behind
    d->setError(CreateFailed, refused);
}

void TestAudioFile::writeSamples(const SampleArray &samples)
{
    if (!d->out) {
        d->setError(NotOpen, QCoreApplication::translate("Media", "No output file is open"));
        return;
    }
    d->clearError();
    const int frames = d->inChannels > 0 ? int(samples.size() / size_t(d->inChannels)) : 0;
    if (frames <= 0)
        return;
    if (!d->out->write(samples.data(), frames))
        d->setError(WriteFailed, d->out->error);
}

void TestAudioFile::writeSamples32(const SampleArray32 &samples)
{
    if (!d->out) {
        d->setError(NotOpen, QCoreApplication::translate("Media", "No output file is open"));
        return;
    }
    d->clearError();
    const int frames = d->inChannels > 0 ? int(samples.size() / size_t(d->inChannels)) : 0;
    if (frames <= 0)
        return;
    if (!d->write(samples.data(), frames))
        d->setError(WriteFailed, d->out->error);
}

void TestAudioFile::closeFile()
{
    d->closeReader();
    d->clearError();
    if (!d->out)
        return;
    if (!d->out->finish())
        d->setError(CloseFailed, d->out->error);
    d->out.reset();
}

int TestAudioFile::profileCount() const { return kWmaProfileCount; }

QString TestAudioFile::profileText() const
{
    if (d->wmaProfile < 0 || d->wmaProfile >= kWmaProfileCount)
        return {};
    return wmaProfileDescriptions().value(d->wmaProfile);
}

void TestAudioFile::setEnableFlag(bool) {}

int TestAudioFile::lastError() const { return d->error; }
QString TestAudioFile::lastErrorText() const { return d->errorText; }

QStringList TestAudioFile::wmaProfileDescriptions()
{
    return ::wmaProfileDescriptions();
}

bool TestAudioFile::wmaProfileFormat(int profile, int *kbps, int *rate, int *channels)
{
    if (profile < 0 || profile >= kWmaProfileCount)
        return false;
    *kbps = kWmaProfiles[profile].kbps;
    *rate = kWmaProfiles[profile].rate;
    *channels = kWmaProfiles[profile].channels;
    return true;
}

bool writeTagsTo(OutputTags &info, const QString &path)
{
    const OutputFormatModule *format = outputFormatByExtension(QFileInfo(path).suffix());
    return info.writeTags(path, format ? format->tagWriter : nullptr);
}
