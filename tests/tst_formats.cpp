// SPDX-License-Identifier: GPL-3.0-or-later
// The output format modules, each as the registry lists it: its settings go through setup.ini
// and come back, and its writer makes a file that ffprobe reads as the format.
#include "formats/registry.h"
#include "settings/settingsfile.h"
#include "support/fixtures.h"

#include <QJsonArray>
#include <QtTest>
#include <cmath>
#include <vector>

class TestFormats : public QObject
{
    Q_OBJECT
private slots:
    void modules_data();
    void modules();
};

namespace {
// A stored value of the key that is not its default and that the key takes.
int otherValue(const FormatSettingKey &k, bool boolean)
{
    if (boolean)
        return k.def ? 0 : 1;
    for (const int v : k.values)
        if (v != k.def && v >= k.low && v <= k.high)
            return v;
    if (!k.values.empty())
        return k.def;
    return k.def < k.high ? k.def + 1 : k.def - 1;
}

int fieldOf(const OutputSettings &s, const FormatSettingKey &k)
{
    return std::visit([&s](auto field) { return int(s.*field); }, k.field);
}
} // namespace

void TestFormats::modules_data()
{
    QTest::addColumn<int>("format");
    for (int f = 0; f < outputFormatCount(); ++f)
        QTest::newRow(outputFormat(f).extension) << f;
}

void TestFormats::modules()
{
    QFETCH(int, format);
    const OutputFormatModule &module = outputFormat(format);
    QCOMPARE(outputFormatByExtension(QString::fromLatin1(module.extension).toUpper()), &module);
    QVERIFY(!module.keys.empty());

    // Every key of the module, set to another value it takes, is written and read back.
    TempProgramFolder folder;
    OutputSettings defaults;
    loadSettings(defaults);
    OutputSettings changed = defaults;
    changed.OutputFormat = format;
    for (const FormatSettingKey &k : module.keys) {
        const bool boolean = std::holds_alternative<bool OutputSettings::*>(k.field);
        QCOMPARE(fieldOf(defaults, k), k.def);
        const int other = otherValue(k, boolean);
        QVERIFY2(other != k.def || (!k.values.empty() && k.values.size() == 1), k.key);
        std::visit([&](auto field) { changed.*field = static_cast<std::remove_reference_t<decltype(changed.*field)>>(other); },
                   k.field);
    }
    saveSettings(changed);
    const QByteArray ini = folder.read("setup.ini");
    OutputSettings back;
    loadSettings(back);
    QCOMPARE(back.OutputFormat, format);
    QCOMPARE(back.OutputExt, QString::fromLatin1(module.extension));
    for (const FormatSettingKey &k : module.keys) {
        QVERIFY2(ini.contains(QByteArray("[") + k.section + "]"), k.section);
        QVERIFY2(ini.contains(QByteArray("\n") + k.key + "="), k.key);
        QCOMPARE(fieldOf(back, k), fieldOf(changed, k));
    }

    // One second of a 440 Hz tone through the writer planned from the default settings.
    SourceSound source;
    source.rate = 44100;
    source.channels = 2;
    source.bits = 16;
    WriterPlan plan = module.plan(defaults, source);
    QVERIFY2(plan.writer, qPrintable(plan.reason));
    const QString out = folder.file(QStringLiteral("tone.") + QLatin1String(module.extension));
    QVERIFY2(plan.writer->setInput(plan.rate, plan.channels) && plan.writer->open(out), qPrintable(plan.writer->error));
    const int frames = plan.rate;
    std::vector<float> sound(size_t(frames) * size_t(plan.channels));
    std::vector<int32_t> ints(sound.size());
    for (size_t i = 0; i < sound.size(); ++i) {
        sound[i] = 0.5f * float(std::sin(2 * M_PI * 440 * double(i / size_t(plan.channels)) / plan.rate));
        ints[i] = int32_t(std::lround(sound[i] * 32767)) * 65536; // 16 bits in the top of 32
    }
    const bool written = plan.bits > 0 ? plan.writer->write32(ints.data(), frames) : plan.writer->writeFloat(sound.data(), frames);
    QVERIFY2(written && plan.writer->finish(), qPrintable(plan.writer->error));

    // What ffprobe makes of it: the container and codec the format stands for, one second.
    static const QHash<QString, QStringList> kProbed = {
        {"mp3", {"mp3", "mp3"}},   {"wma", {"asf", "wmav2"}}, {"wav", {"wav", "pcm_s16le"}},
        {"ogg", {"ogg", "vorbis"}}, {"flac", {"flac", "flac"}}, {"opus", {"ogg", "opus"}},
        {"m4a", {"mov,mp4,m4a,3gp,3g2,mj2", "aac"}}};
    const QJsonObject probed = probe(out);
    const QJsonObject stream = probed.value("streams").toArray().first().toObject();
    const QStringList expected = kProbed.value(QString::fromLatin1(module.extension));
    if (!expected.isEmpty()) {
        QCOMPARE(probed.value("format").toObject().value("format_name").toString(), expected[0]);
        QCOMPARE(stream.value("codec_name").toString(), expected[1]);
    }
    QCOMPARE(stream.value("channels").toInt(), plan.channels);
    // MP3's stated length ends on a whole frame, and ffprobe counts its last (26 ms) too.
    const double seconds = probed.value("format").toObject().value("duration").toString().toDouble();
    QVERIFY2(std::abs(seconds - 1.0) < 0.055, qPrintable(QString::number(seconds)));
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
