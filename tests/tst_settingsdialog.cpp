// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog against real settings files, the real main window and the real
// WMA profile list of the audio component.
#include "clip/edit.h"
#include "formats/mp3/mp3format.h"
#include "formats/ogg/oggformat.h"
#include "formats/wav/wavformat.h"
#include "main/main.h"
#include "progress/execute.h"
#include "support/audiofile.h"
#include "settings/setting.h"
#include "support/fakedesktop.h"
#include "support/fixtures.h"
#include "ui_edit.h"
#include "ui_setting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include "support/queuecells.h"
#include <QSpinBox>
#include <QThread>
#include <QAccessible>
#include <QtTest>
#include <memory>

namespace {
template <typename T = QWidget>
T *child(QObject *parent, const char *name)
{
    T *w = parent ? parent->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!w)
        qFatal("no control %s", name);
    return w;
}

SettingsDialog *form();
QComboBox *list(const char *name) { return child<QComboBox>(form(), name); }
QCheckBox *box(const char *name) { return child<QCheckBox>(form(), name); }
bool enabled(const char *name) { return child(form(), name)->isEnabled(); }

// Every field, for comparing whole records.
QVariantList fields(const OutputSettings &s)
{
    return {s.OutputPath,    s.OutputFormat,  s.OutputExt,     s.Mp3Channels,   s.Mp3Frequency,
            s.Mp3Bitrate,    s.Mp3Vbr,        s.Mp3MaxBitrate, s.Mp3VbrQuality, s.WavFrequency,
            s.WavChannels,   s.WavBps,        s.WmaProfile,    s.OggFrequency,  s.OggChannels,
            s.OggBitrate,    s.OggVbr,        s.OggMinBitrate, s.OggMaxBitrate, s.OggUseQuality,
            s.OggQuality,    s.Jobs};
}

OutputSettings fromFile()
{
    OutputSettings s;
    loadSettings(s);
    return s;
}

const QStringList kTwentyKeys = {
    "general/outputpath", "general/outputformat", "mp3/channels",  "mp3/frequency",  "mp3/bitrate",
    "mp3/fvbr",           "mp3/maxbitrate",       "mp3/vbrquality", "wav/frequency", "wav/channels",
    "wav/bps",            "wma/wmaprofile",       "ogg/frequency", "ogg/channels",   "ogg/bitrate",
    "ogg/vbr",            "ogg/minbitrate",       "ogg/maxbitrate", "ogg/fquality",  "ogg/quality"};

// A program folder, a desktop that answers, and the main window as the program starts it.
struct Session
{
    TempProgramFolder folder;
    FakeDesktop desktop;
    AppSettings settings;
    std::unique_ptr<MainWindow> main;
    static inline Session *current = nullptr; // the session of the running test

    explicit Session(const QByteArray &ini = {})
    {
        if (!ini.isEmpty())
            folder.write(QStringLiteral("setup.ini"), ini);
        main = std::make_unique<MainWindow>(settings);
        main->TimerTip.stop();
        current = this;
    }
    ~Session()
    {
        delete main->SettingForm.data();
        main.reset();
        current = nullptr;
    }
    QLineEdit *edPath() const { return child<QLineEdit>(main.get(), "outputPathEdit"); }
    QComboBox *outputFormatCombo() const { return child<QComboBox>(main.get(), "outputFormatCombo"); }
    void addVideo(const QString &path)
    {
        desktop.fileAnswers << QStringList{path};
        main->addFiles();
    }
    // The dialog as the settings command creates it, without its modal loop.
    SettingsDialog *open() { return main->openSettings(); }
};

// The running test's settings dialog, empty while none is open.
SettingsDialog *form() { return Session::current->main->SettingForm; }

void clickOk() { child<QPushButton>(form(), "BtnOK")->click(); }
} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT
private slots:
    void windowTabsAndEntries();
    void windowAsBuilt();
    void profileListIsTheEncodersList();
    void chosenProfileIsTheEncodedProfile();
    void oggEnablingRules_data();
    void oggEnablingRules();
    void mp3EnablingRule();
    void roundTripThroughOK();
    void cancelAndCloseBoxChangeNothing();
    void opensOnTheMainWindowsFormat_data();
    void opensOnTheMainWindowsFormat();
    void refusedWriteKeepsDialogOpen();
    void valuesOutsideTheirSets();
    void newPagesRoundTrip_data();
    void newPagesRoundTrip();
    void returnAndEscape_data();
    void returnAndEscape();
    void readOnlyFieldsReadAtTextContrast_data();
    void readOnlyFieldsReadAtTextContrast();
};

void TestSettingsDialog::windowTabsAndEntries()
{
    Session s;
    SettingsDialog *dialog = s.open();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Settings"));

    auto *pages = child<QTabWidget>(dialog, "PageControl1");
    const QStringList captions{"General", "MP3", "WMA", "WAV", "OGG", "FLAC", "OPUS", "M4A"};
    const QStringList sheets{"TabSheet1", "Mp3Page", "WmaPage", "WavPage", "OggPage",
                             "FlacPage", "OpusPage", "M4aPage"};
    QCOMPARE(pages->count(), 8);
    for (int p = 0; p < 8; ++p) {
        QCOMPARE(pages->tabText(p), captions[p]);
        QCOMPARE(pages->widget(p)->objectName(), sheets[p]);
    }
    QCOMPARE(child<QLabel>(dialog, "lbWmaProfile")->text(), QStringLiteral("WMA Profile"));
    QCOMPARE(child<QLabel>(dialog, "lbOpusFrequency")->buddy(), child(dialog, "lbOpusRate"));

    // Entries agree with the codecs position by position.
    for (const char *name : {"comboMP3Frequency", "ComboOggFrequency"}) {
        QCOMPARE(list(name)->count(), 8);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(list(name)->itemText(i), QString::number(indexToFrequency(i)));
    }
    for (const char *name : {"comboMP3Bitrate", "comboMP3MaxBitrate"}) {
        QCOMPARE(list(name)->count(), int(std::size(kMp3Bitrates)));
        for (int i = 0; i < list(name)->count(); ++i)
            QCOMPARE(list(name)->itemText(i), QString::number(kMp3Bitrates[i]));
    }
    QCOMPARE(list("ComboNomBitrate")->count(), 15);
    for (int i = 0; i < 15; ++i)
        QCOMPARE(list("ComboNomBitrate")->itemText(i), QString::number(indexToBitrate(i)));
    for (const char *name : {"ComboMinBitrate", "ComboMaxBitrate"}) {
        QCOMPARE(list(name)->count(), 15);
        for (int i = 0; i < 15; ++i)
            QCOMPARE(list(name)->itemText(i), QString::number(indexToBitrate(i)) + " kbps");
    }
    for (int i = 0; i < 15; ++i)
        QCOMPARE(bitrateToIndex(indexToBitrate(i)), i);
    const auto flacText = [](int v) { return v ? QString::number(v) : QStringLiteral("Same as source"); };
    QCOMPARE(list("cbFlacFrequency")->count(), int(std::size(kFlacFrequencies)));
    for (int i = 0; i < int(std::size(kFlacFrequencies)); ++i)
        QCOMPARE(list("cbFlacFrequency")->itemText(i), flacText(kFlacFrequencies[i]));
    QCOMPARE(list("cbFlacBPS")->count(), int(std::size(kFlacBits)));
    for (int i = 0; i < int(std::size(kFlacBits)); ++i)
        QCOMPARE(list("cbFlacBPS")->itemText(i), flacText(kFlacBits[i]));
    QCOMPARE(list("cbWavFrequency")->count(), int(std::size(kWavFrequencies)));
    for (int i = 0; i < int(std::size(kWavFrequencies)); ++i)
        QCOMPARE(list("cbWavFrequency")->itemText(i), flacText(kWavFrequencies[i]));
    QCOMPARE(list("cbWavBPS")->count(), int(std::size(kWavBits)));
    for (int i = 0; i < int(std::size(kWavBits)); ++i)
        QCOMPARE(list("cbWavBPS")->itemText(i), QString::number(kWavBits[i]));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(frequencyToIndex(indexToFrequency(i)), i);
    QCOMPARE(list("ComboOggQuality")->count(), 10);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(qualityToIndex(list("ComboOggQuality")->itemText(i).toInt()), i);
    QCOMPARE(list("comboMP3VBRQuality")->itemText(9), QStringLiteral("9"));
    QCOMPARE(list("comboMP3Channels")->itemText(channelsToIndex(3)), QStringLiteral("Joint Stereo"));
    QCOMPARE(list("comboMP3Channels")->itemText(4), QStringLiteral("Dual Channels"));
    QCOMPARE(list("CBOutputFormat")->itemText(3), QStringLiteral("OGG"));
    for (int f = 0; f < outputFormatCount(); ++f) // the format list and the main window's agree
        QCOMPARE(list("CBOutputFormat")->itemText(f), s.outputFormatCombo()->itemText(f));
    QCOMPARE(s.outputFormatCombo()->count(), outputFormatCount());

    // The folder box changes only through "Select": read-only, but not disabled.
    auto *dir = child<QLineEdit>(dialog, "EdOutputDir");
    QVERIFY(dir->isEnabled());
    QVERIFY(dir->isReadOnly());
    QCOMPARE(s.desktop.messages.size(), 0);
}

void TestSettingsDialog::windowAsBuilt()
{
    // The state the dialog keeps when its preparation fails and showSettings never runs: its
    // own controls and every format's page as built.
    QDialog window;
    Ui::SettingsDialog u;
    u.setupUi(&window);
    createFormatPages(&window); // children of the window
    const std::pair<const char *, QString> shown[] = {
        {"CBOutputFormat", ""},          {"comboMP3Frequency", "44100"}, {"comboMP3Channels", "Joint Stereo"},
        {"comboMP3Bitrate", "128"},      {"comboMP3MaxBitrate", "128"},  {"comboMP3VBRQuality", "7"},
        {"ComboWMAProfile", ""},         {"cbWavFrequency", "44100"},    {"cbWavChannels", "Stereo"},
        {"cbWavBPS", "16"},              {"ComboOggFrequency", "44100"}, {"ComboOggChannels", "Stereo"},
        {"ComboNomBitrate", "128"},      {"ComboMinBitrate", "128 kbps"}, {"ComboMaxBitrate", "128 kbps"},
        {"ComboOggQuality", "500"}};
    for (const auto &[name, text] : shown)
        QVERIFY2(child<QComboBox>(&window, name)->currentText() == text, name);
    QCOMPARE(u.CBOutputFormat->currentIndex(), -1);
    QCOMPARE(child<QComboBox>(&window, "ComboWMAProfile")->count(), 0);
    for (const char *name : {"lbMp3MaxBitrate", "comboMP3MaxBitrate", "lbMp3VbrQuality", "comboMP3VBRQuality",
                             "lbMinBitrate", "ComboMinBitrate", "lbMaxBitrate", "ComboMaxBitrate", "lbQuality",
                             "ComboOggQuality"})
        QVERIFY2(!child(&window, name)->isEnabled(), name);
    for (const char *name : {"gbMp3Vbr", "GBVBR", "GBQuality", "CheckOggVBR", "CheckOggQuality", "BtnSelect",
                             "EdOutputDir"})
        QVERIFY2(child(&window, name)->isEnabled(), name);
    for (const char *name : {"CheckMP3VBR", "CheckOggVBR", "CheckOggQuality"})
        QVERIFY2(!child<QCheckBox>(&window, name)->isChecked(), name);
}

void TestSettingsDialog::profileListIsTheEncodersList()
{
    Session s;
    s.open();
    TestAudioFile encoder;
    QCOMPARE(encoder.profileCount(), 48);
    QComboBox *profiles = list("ComboWMAProfile");
    QCOMPARE(profiles->count(), encoder.profileCount());
    // Position p shows the profile that setWmaProfile(p) selects in the encoder.
    for (int p = 0; p < profiles->count(); ++p) {
        encoder.setWmaProfile(p);
        QCOMPARE(encoder.lastError(), 0);
        QCOMPARE(profiles->itemText(p), encoder.profileText());
    }
    QCOMPARE(profiles->itemText(38), QStringLiteral("WMA 128 kbps, 44 kHz, stereo"));
    QCOMPARE(profiles->currentIndex(), 38); // the stored default
    QVERIFY(s.desktop.messages.isEmpty());
}

void TestSettingsDialog::chosenProfileIsTheEncodedProfile()
{
    Session s;
    s.open();
    QComboBox *profiles = list("ComboWMAProfile");
    const int chosen = profiles->findText(QStringLiteral("WMA 64 kbps, 22 kHz, stereo"));
    QVERIFY(chosen >= 0);
    profiles->setCurrentIndex(chosen);
    clickOk();
    QCOMPARE(s.main->outputSettings().WmaProfile, chosen);
    QCOMPARE(fromFile().WmaProfile, chosen);

    // What the encoding step does with the stored value.
    const QString wav = s.folder.file("tone.wav"), wma = s.folder.file("tone.wma");
    QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=2", "-ac", "2", wav}));
    TestAudioFile reader, writer;
    reader.openFile(wav);
    QCOMPARE(reader.lastError(), 0);
    writer.setInputFormat(reader.formatB(), reader.formatA());
    writer.setEnableFlag(true);
    writer.setWmaProfile(s.main->outputSettings().WmaProfile);
    writer.createFile(wma);
    QCOMPARE(writer.lastError(), 0);
    for (SampleArray chunk = reader.readSamples(8192); !chunk.empty(); chunk = reader.readSamples(8192))
        writer.writeSamples(chunk);
    writer.closeFile();
    reader.closeFile();
    const QJsonObject audio = probeAudio(wma);
    QCOMPARE(audio.value("codec_name").toString(), QStringLiteral("wmav2"));
    QCOMPARE(audio.value("sample_rate").toString(), QStringLiteral("22050"));
    QCOMPARE(audio.value("channels").toInt(), 2);
    QCOMPARE(audio.value("bit_rate").toString().toInt() / 1000, 64);
}

void TestSettingsDialog::oggEnablingRules_data()
{
    QTest::addColumn<bool>("vbr");
    QTest::addColumn<bool>("quality");
    QTest::newRow("neither") << false << false;
    QTest::newRow("vbr") << true << false;
    QTest::newRow("quality") << false << true;
    QTest::newRow("both") << true << true;
}

void TestSettingsDialog::oggEnablingRules()
{
    QFETCH(bool, vbr);
    QFETCH(bool, quality);
    Session s(QStringLiteral("[ogg]\nvbr=%1\nfquality=%2\n").arg(vbr ? 2 : 0).arg(quality ? 1 : 0).toUtf8());
    s.open();
    QCOMPARE(box("CheckOggVBR")->isChecked(), vbr);
    QCOMPARE(box("CheckOggQuality")->isChecked(), quality);

    const auto vbrControls = {"GBVBR", "lbMinBitrate", "lbMaxBitrate", "ComboMinBitrate", "ComboMaxBitrate"};
    const auto minMax = {"lbMinBitrate", "lbMaxBitrate", "ComboMinBitrate", "ComboMaxBitrate"};
    const auto qualityList = {"lbQuality", "ComboOggQuality"};
    if (!vbr && !quality) {
        // Nothing ran: the window as built.
        for (const char *n : minMax)
            QVERIFY2(!enabled(n), n);
        for (const char *n : qualityList)
            QVERIFY2(!enabled(n), n);
        QVERIFY(enabled("GBVBR") && enabled("GBQuality"));
        QVERIFY(enabled("CheckOggVBR") && enabled("CheckOggQuality"));
    } else if (vbr && !quality) {
        for (const char *n : vbrControls)
            QVERIFY2(enabled(n), n);
        QVERIFY(!enabled("CheckOggQuality") && !enabled("GBQuality"));
        for (const char *n : qualityList)
            QVERIFY2(!enabled(n), n);
        QVERIFY(enabled("CheckOggVBR"));
    } else {
        // Quality on, with or without VBR: the quality group rules, the VBR group is off.
        for (const char *n : vbrControls)
            QVERIFY2(!enabled(n), n);
        QVERIFY(!enabled("CheckOggVBR"));
        QVERIFY(enabled("GBQuality"));
        for (const char *n : qualityList)
            QVERIFY2(enabled(n), n);
        QCOMPARE(enabled("CheckOggQuality"), !vbr);
    }
    // Lists outside the two groups are never disabled.
    for (const char *n : {"ComboOggFrequency", "ComboOggChannels", "ComboNomBitrate"})
        QVERIFY2(enabled(n), n);

    // The two modes exclude each other for the user.
    QCheckBox *v = box("CheckOggVBR"), *q = box("CheckOggQuality");
    if (!vbr && !quality) {
        v->click();
        QVERIFY(v->isChecked());
        for (const char *n : vbrControls)
            QVERIFY2(enabled(n), n);
        q->click(); // disabled: no effect
        QVERIFY(!q->isChecked());
        v->click();
        for (const char *n : minMax)
            QVERIFY2(!enabled(n), n);
        QVERIFY(enabled("CheckOggQuality") && enabled("GBQuality"));
        q->click();
        QVERIFY(q->isChecked());
        QVERIFY(!enabled("CheckOggVBR"));
        for (const char *n : qualityList)
            QVERIFY2(enabled(n), n);
        q->click();
        QVERIFY(enabled("CheckOggVBR"));
        for (const char *n : qualityList)
            QVERIFY2(!enabled(n), n);
    } else if (quality) {
        v->click();
        QCOMPARE(v->isChecked(), vbr); // disabled while quality is on
        if (!vbr) {
            q->click();
            QVERIFY(enabled("CheckOggVBR"));
            QVERIFY(!enabled("ComboOggQuality"));
            QVERIFY(!enabled("ComboMinBitrate"));
        }
    }
}

void TestSettingsDialog::mp3EnablingRule()
{
    const auto vbrControls = {"lbMp3MaxBitrate", "comboMP3MaxBitrate", "lbMp3VbrQuality", "comboMP3VBRQuality"};
    {
        Session s("[mp3]\nfvbr=2\n"); // only 1 means on
        s.open();
        QVERIFY(!box("CheckMP3VBR")->isChecked());
        for (const char *n : vbrControls)
            QVERIFY2(!enabled(n), n);
        box("CheckMP3VBR")->click();
        for (const char *n : vbrControls)
            QVERIFY2(enabled(n), n);
        for (const char *n : {"gbMp3Cbr", "comboMP3Frequency", "comboMP3Channels", "comboMP3Bitrate"})
            QVERIFY2(enabled(n), n);
    }
    {
        Session s("[mp3]\nfvbr=1\n");
        s.open();
        QVERIFY(box("CheckMP3VBR")->isChecked());
        for (const char *n : vbrControls)
            QVERIFY2(enabled(n), n);
        box("CheckMP3VBR")->click();
        for (const char *n : vbrControls)
            QVERIFY2(!enabled(n), n);
    }
}

void TestSettingsDialog::roundTripThroughOK()
{
    // A file with foreign content, which OK keeps.
    Session s("; my settings\n[tips]\nshowtip=0\n[general]\noutputpath=/old/\n");
    const QString video = s.folder.file("videos/talk.avi");
    s.addVideo(video);

    struct Choice
    {
        int format, mp3Freq, mp3Ch, mp3Rate, mp3Max, mp3Q, wavFreq, wavCh, wavBits, wma, oggFreq, oggCh,
            oggNom, oggMin, oggMax, oggQ;
        bool mp3Vbr, oggVbr, oggQuality;
    };
    const Choice rounds[] = {
        // OGG VBR with its minimum above its maximum: stored as chosen.
        {3, 2, 0, 3, 14, 0, 7, 0, 0, 22, 3, 0, 6, 14, 0, 4, true, true, false},
        {2, 7, 4, 14, 0, 9, 0, 1, 1, 0, 0, 1, 14, 0, 14, 6, false, false, true},
    };
    for (const Choice &c : rounds) {
        const QString music = s.folder.file(QStringLiteral("music%1").arg(c.format));
        s.open();
        s.desktop.folderAnswers << QString(); // cancelled browser: no change
        child<QPushButton>(form(), "BtnSelect")->click();
        QCOMPARE(child<QLineEdit>(form(), "EdOutputDir")->text(), s.main->outputSettings().OutputPath);
        s.desktop.folderAnswers << music;
        child<QPushButton>(form(), "BtnSelect")->click();
        QCOMPARE(s.desktop.lastFolderPrompt, QStringLiteral("Select a directory to save output files"));
        QCOMPARE(child<QLineEdit>(form(), "EdOutputDir")->text(), music + "/");
        QVERIFY(s.main->outputSettings().OutputPath != music + "/"); // only OK takes it

        list("CBOutputFormat")->setCurrentIndex(c.format);
        list("comboMP3Frequency")->setCurrentIndex(c.mp3Freq);
        list("comboMP3Channels")->setCurrentIndex(c.mp3Ch);
        list("comboMP3Bitrate")->setCurrentIndex(c.mp3Rate);
        if (box("CheckMP3VBR")->isChecked() != c.mp3Vbr)
            box("CheckMP3VBR")->click();
        list("comboMP3MaxBitrate")->setCurrentIndex(c.mp3Max);
        list("comboMP3VBRQuality")->setCurrentIndex(c.mp3Q);
        list("cbWavFrequency")->setCurrentIndex(c.wavFreq);
        list("cbWavChannels")->setCurrentIndex(c.wavCh);
        list("cbWavBPS")->setCurrentIndex(c.wavBits);
        list("ComboWMAProfile")->setCurrentIndex(c.wma);
        list("ComboOggFrequency")->setCurrentIndex(c.oggFreq);
        list("ComboOggChannels")->setCurrentIndex(c.oggCh);
        list("ComboNomBitrate")->setCurrentIndex(c.oggNom);
        // Switch a mode off before the other one on: the user cannot do it the other way.
        for (QCheckBox *b : {box("CheckOggVBR"), box("CheckOggQuality")})
            if (b->isChecked())
                b->click();
        if (c.oggVbr)
            box("CheckOggVBR")->click();
        if (c.oggQuality)
            box("CheckOggQuality")->click();
        QCOMPARE(box("CheckOggVBR")->isChecked(), c.oggVbr);
        QCOMPARE(box("CheckOggQuality")->isChecked(), c.oggQuality);
        list("ComboMinBitrate")->setCurrentIndex(c.oggMin);
        list("ComboMaxBitrate")->setCurrentIndex(c.oggMax);
        list("ComboOggQuality")->setCurrentIndex(c.oggQ);
        // Files at the same time: 1 up to the processor cores.
        auto *jobs = child<QSpinBox>(form(), "SpinJobs");
        QCOMPARE(jobs->maximum(), std::max(1, QThread::idealThreadCount()));
        jobs->setValue(c.format == 3 ? jobs->maximum() : 1);

        OutputSettings expected;
        expected.OutputPath = music + "/";
        expected.OutputFormat = c.format;
        expected.OutputExt = QStringList{"mp3", "wma", "wav", "ogg"}[c.format];
        expected.Mp3Channels = c.mp3Ch + 1;
        expected.Mp3Frequency = kFrequencies[c.mp3Freq];
        expected.Mp3Bitrate = kMp3Bitrates[c.mp3Rate];
        expected.Mp3Vbr = c.mp3Vbr ? 1 : 0;
        expected.Mp3MaxBitrate = kMp3Bitrates[c.mp3Max];
        expected.Mp3VbrQuality = c.mp3Q;
        expected.WavFrequency = kFrequencies[c.wavFreq];
        expected.WavChannels = c.wavCh + 1;
        expected.WavBps = c.wavBits == 0 ? 8 : 16;
        expected.WmaProfile = c.wma;
        expected.OggFrequency = kFrequencies[c.oggFreq];
        expected.OggChannels = c.oggCh + 1;
        expected.OggBitrate = kOggBitrates[c.oggNom];
        expected.OggVbr = c.oggVbr;
        expected.OggMinBitrate = kOggBitrates[c.oggMin];
        expected.OggMaxBitrate = kOggBitrates[c.oggMax];
        expected.OggUseQuality = c.oggQuality;
        expected.OggQuality = (c.oggQ + 1) * 100;
        expected.Jobs = c.format == 3 ? std::max(1, QThread::idealThreadCount()) : 1;

        clickOk();
        QVERIFY(!form());
        QVERIFY(s.desktop.messages.isEmpty());
        QCOMPARE(fields(s.main->outputSettings()), fields(expected));
        QCOMPARE(fields(fromFile()), fields(expected));
        const IniFile ini(settingsFilePath());
        for (const QString &k : kTwentyKeys)
            QVERIFY2(ini.readString(k.section('/', 0, 0), k.section('/', 1), "-") != "-", qPrintable(k));
        QCOMPARE(ini.readInteger("tips", "showtip", 1), 0);
        QVERIFY(s.folder.read("setup.ini").startsWith("; my settings\n"));

        // The main window follows: folder box, format list, every output name and row.
        QCOMPARE(s.edPath()->text(), expected.OutputPath);
        QCOMPARE(s.outputFormatCombo()->currentIndex(), c.format);
        const QString output = expected.OutputPath + "talk." + expected.OutputExt;
        QCOMPARE(s.main->Queue.job(0).OutputFile, output);
        QCOMPARE(cell(*s.main, 0, ColOutput), "talk." + expected.OutputExt);
        QCOMPARE(pathIn(*s.main, 0, ColOutput), output);
        QCOMPARE(cell(*s.main, 0, ColConvertTo), expected.OutputExt);

        // Reopening shows every choice again.
        s.open();
        QCOMPARE(child<QLineEdit>(form(), "EdOutputDir")->text(), expected.OutputPath);
        const std::pair<const char *, int> shown[] = {
            {"CBOutputFormat", c.format},     {"comboMP3Frequency", c.mp3Freq}, {"comboMP3Channels", c.mp3Ch},
            {"comboMP3Bitrate", c.mp3Rate},   {"comboMP3MaxBitrate", c.mp3Max}, {"comboMP3VBRQuality", c.mp3Q},
            {"cbWavFrequency", c.wavFreq},    {"cbWavChannels", c.wavCh},       {"cbWavBPS", c.wavBits},
            {"ComboWMAProfile", c.wma},       {"ComboOggFrequency", c.oggFreq}, {"ComboOggChannels", c.oggCh},
            {"ComboNomBitrate", c.oggNom},    {"ComboMinBitrate", c.oggMin},    {"ComboMaxBitrate", c.oggMax},
            {"ComboOggQuality", c.oggQ}};
        for (const auto &[name, position] : shown)
            QVERIFY2(list(name)->currentIndex() == position, name);
        QCOMPARE(box("CheckMP3VBR")->isChecked(), c.mp3Vbr);
        QCOMPARE(box("CheckOggVBR")->isChecked(), c.oggVbr);
        QCOMPARE(box("CheckOggQuality")->isChecked(), c.oggQuality);
        child<QPushButton>(form(), "BtnCancel")->click();
        QVERIFY(!form());
    }
}

void TestSettingsDialog::cancelAndCloseBoxChangeNothing()
{
    Session s("[general]\noutputpath=/data/out/\noutputformat=1\n[ogg]\nquality=300\n");
    s.addVideo(s.folder.file("talk.wmv"));
    const QByteArray file = s.folder.read("setup.ini");
    const QVariantList before = fields(s.main->outputSettings());
    const QString job = s.main->Queue.job(0).OutputFile, path = s.edPath()->text();
    QCOMPARE(path, s.folder.path()); // taken from the added video

    for (const bool closeBox : {false, true}) {
        bool ran = false;
        s.desktop.folderAnswers << s.folder.file("elsewhere");
        QTimer::singleShot(0, [&] {
            ran = true;
            child<QPushButton>(form(), "BtnSelect")->click();
            for (QComboBox *list : form()->findChildren<QComboBox *>())
                list->setCurrentIndex(list->count() - 1 - list->currentIndex());
            for (QCheckBox *box : form()->findChildren<QCheckBox *>())
                box->click();
            if (closeBox)
                form()->close();
            else
                child<QPushButton>(form(), "BtnCancel")->click();
        });
        s.main->settingsClick();
        QVERIFY(ran);
        QVERIFY(!form());
        QCOMPARE(fields(s.main->outputSettings()), before);
        QCOMPARE(s.folder.read("setup.ini"), file);
        QCOMPARE(s.edPath()->text(), path);
        QCOMPARE(s.outputFormatCombo()->currentIndex(), 1);
        QCOMPARE(s.main->Queue.job(0).OutputFile, job);
    }
}

void TestSettingsDialog::opensOnTheMainWindowsFormat_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("caption");
    QTest::newRow("none") << -1 << "General";
    QTest::newRow("mp3") << 0 << "MP3";
    QTest::newRow("wma") << 1 << "WMA";
    QTest::newRow("wav") << 2 << "WAV";
    QTest::newRow("ogg") << 3 << "OGG";
    QTest::newRow("flac") << 4 << "FLAC";
    QTest::newRow("opus") << 5 << "OPUS";
    QTest::newRow("m4a") << 6 << "M4A";
}

void TestSettingsDialog::opensOnTheMainWindowsFormat()
{
    QFETCH(int, format);
    QFETCH(QString, caption);
    Session s;
    s.outputFormatCombo()->setCurrentIndex(format);
    QString shown;
    QTimer::singleShot(0, [&] {
        auto *pages = child<QTabWidget>(form(), "PageControl1");
        shown = pages->tabText(pages->currentIndex());
        child<QPushButton>(form(), "BtnCancel")->click();
    });
    s.main->settingsClick();
    QCOMPARE(shown, caption);
}

void TestSettingsDialog::refusedWriteKeepsDialogOpen()
{
    Session s;
    s.addVideo(s.folder.file("clip.avi"));
    const QString job = s.main->Queue.job(0).OutputFile, path = s.edPath()->text();
    // A folder where the file should be: refused even for root.
    QFile::remove(s.folder.file("setup.ini")); // written when the video was added
    QVERIFY(QDir(s.folder.path()).mkdir("setup.ini"));

    QPointer<SettingsDialog> dialog = s.open();
    s.desktop.folderAnswers << s.folder.file("new");
    child<QPushButton>(dialog, "BtnSelect")->click();
    list("CBOutputFormat")->setCurrentIndex(3);
    clickOk();
    QCOMPARE(s.desktop.texts(), QStringList{"Unable to write to " + s.folder.file("setup.ini")});
    QCOMPARE(s.desktop.messages[0].icon, QMessageBox::Critical);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog);
    QCOMPARE(form(), dialog.data());
    // Nothing that was not saved takes effect: the program's settings (the next run's), the
    // quick settings and the queue stay as they were; the dialog keeps what was chosen.
    QCOMPARE(s.main->outputSettings().OutputFormat, 0);
    QCOMPARE(s.main->outputSettings().OutputPath, path);
    QCOMPARE(dialog->edited().OutputFormat, 3);
    QCOMPARE(s.edPath()->text(), path);
    QCOMPARE(s.outputFormatCombo()->currentIndex(), 0);
    QCOMPARE(s.main->Queue.job(0).OutputFile, job);

    // Once the file can be written, OK goes through.
    QVERIFY(QDir(s.folder.path()).rmdir("setup.ini"));
    clickOk();
    QCOMPARE(s.desktop.messages.size(), 1);
    QVERIFY(!form());
    QCOMPARE(fromFile().OutputFormat, 3);
    QCOMPARE(s.edPath()->text(), s.folder.file("new/"));
    QCOMPARE(s.main->Queue.job(0).OutputFile, s.folder.file("new/clip.ogg"));
}

// Values outside their lists load as their defaults: every box shows an entry, and OK
// stores the defaults, never a blank box's 0 or -1.
void TestSettingsDialog::valuesOutsideTheirSets()
{
    Session s("[general]\noutputformat=7\n[mp3]\nchannels=0\nfrequency=44101\nbitrate=40\nmaxbitrate=80\n"
              "vbrquality=12\n[wav]\nfrequency=96001\nchannels=3\nbps=12\n[wma]\nwmaprofile=48\n"
              "[ogg]\nchannels=6\nbitrate=1000\nminbitrate=0\nmaxbitrate=-8\nquality=550\n");
    s.open();
    QCOMPARE(list("CBOutputFormat")->currentIndex(), 0);
    QCOMPARE(list("comboMP3Channels")->currentIndex(), 2);
    QCOMPARE(list("comboMP3Frequency")->currentText(), QStringLiteral("44100"));
    QCOMPARE(list("comboMP3Bitrate")->currentText(), QStringLiteral("128"));
    QCOMPARE(list("comboMP3MaxBitrate")->currentText(), QStringLiteral("192"));
    QCOMPARE(list("comboMP3VBRQuality")->currentIndex(), 7);
    QCOMPARE(list("cbWavFrequency")->currentText(), QStringLiteral("44100"));
    QCOMPARE(list("cbWavChannels")->currentIndex(), 1);
    QCOMPARE(list("cbWavBPS")->currentText(), QStringLiteral("16"));
    QCOMPARE(list("ComboWMAProfile")->currentIndex(), 38);
    QCOMPARE(list("ComboWMAProfile")->count(), kWmaProfileCount);
    QCOMPARE(list("ComboOggChannels")->currentIndex(), 1);
    QCOMPARE(list("ComboNomBitrate")->currentText(), QStringLiteral("128"));
    QCOMPARE(list("ComboMinBitrate")->currentText(), QStringLiteral("128 kbps"));
    QCOMPARE(list("ComboMaxBitrate")->currentText(), QStringLiteral("192 kbps"));
    QCOMPARE(list("ComboOggQuality")->currentText(), QStringLiteral("500"));

    clickOk();
    for (const OutputSettings &stored : {s.main->outputSettings(), fromFile()}) {
        QCOMPARE(stored.OutputFormat, 0);
        QCOMPARE(stored.OutputExt, QStringLiteral("mp3"));
        QCOMPARE(stored.Mp3Channels, 3);
        QCOMPARE(stored.Mp3Frequency, 44100);
        QCOMPARE(stored.Mp3Bitrate, 128);
        QCOMPARE(stored.Mp3MaxBitrate, 192);
        QCOMPARE(stored.Mp3VbrQuality, 7);
        QCOMPARE(stored.WavFrequency, 44100);
        QCOMPARE(stored.WavChannels, 2);
        QCOMPARE(stored.WavBps, 16);
        QCOMPARE(stored.WmaProfile, 38);
        QCOMPARE(stored.OggChannels, 2);
        QCOMPARE(stored.OggBitrate, 128);
        QCOMPARE(stored.OggMinBitrate, 128);
        QCOMPARE(stored.OggMaxBitrate, 192);
        QCOMPARE(stored.OggQuality, 500);
    }
    QCOMPARE(s.outputFormatCombo()->currentIndex(), 0);
}

// The FLAC, OPUS and M4A pages, the loudness target and what is done with the peaks: shown,
// chosen, stored, shown again.
void TestSettingsDialog::newPagesRoundTrip_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QList<int>>("shown");  // positions before the change
    QTest::addColumn<QList<int>>("choose"); // positions chosen; -2 toggles the VBR box
    QTest::addColumn<QList<int>>("stored"); // the values OK stores
    // flac rate, channels, bits, level; opus bit rate, vbr, channels; m4a rate, bit rate, channels; loudness; peaks;
    // stored only: replaygain. FLAC's first entries are "Same as source" (0); loudness's last is ReplayGain tags.
    QTest::newRow("defaults, then every last entry")
        << QByteArray() << QList<int>{0, 1, 0, 5, 6, 1, 1, 0, 5, 1, 0, 1}
        << QList<int>{12, 0, 2, 8, 10, -2, 0, 1, 8, 0, 4, 0}
        << QList<int>{192000, 1, 24, 8, 256, 0, 1, 48000, 320, 1, -14, 0, 0};
    QTest::newRow("from the file, then first entries")
        << QByteArray("[flac]\nfrequency=22050\nbps=24\ncompression=2\n[opus]\nbitrate=64\nvbr=0\n"
                      "[m4a]\nbitrate=100\n[general]\nloudness=-18\npeaks=0\n")
        << QList<int>{4, 1, 2, 2, 3, 0, 1, 0, 5, 1, 2, 0}
        << QList<int>{0, 1, 0, 0, 0, -2, 1, 0, 0, 1, 1, 1}
        << QList<int>{0, 2, 0, 0, 32, 1, 2, 44100, 64, 2, -23, 1, 0};
    QTest::newRow("flac 44100 16-bit from the file, then 96000")
        << QByteArray("[flac]\nfrequency=44100\nbps=16\n")
        << QList<int>{7, 1, 1, 5, 6, 1, 1, 0, 5, 1, 0, 1}
        << QList<int>{10, 1, 1, 5, 6, -2, 1, 0, 5, 1, 0, 1}
        << QList<int>{96000, 2, 16, 5, 128, 0, 2, 44100, 192, 2, 0, 1, 0};
    // ReplayGain tags: chosen they write both tags; track only, from the file, stays so. The
    // Opus VBR box is toggled in every row.
    QTest::newRow("replaygain chosen") << QByteArray() << QList<int>{0, 1, 0, 5, 6, 1, 1, 0, 5, 1, 0, 1}
                                       << QList<int>{0, 1, 0, 5, 6, -2, 1, 0, 5, 1, 5, 1}
                                       << QList<int>{0, 2, 0, 5, 128, 0, 2, 44100, 192, 2, 0, 1, 2};
    QTest::newRow("replaygain track from the file")
        << QByteArray("[general]\nreplaygain=1\n") << QList<int>{0, 1, 0, 5, 6, 1, 1, 0, 5, 1, 5, 1}
        << QList<int>{0, 1, 0, 5, 6, -2, 1, 0, 5, 1, 5, 1} << QList<int>{0, 2, 0, 5, 128, 0, 2, 44100, 192, 2, 0, 1, 1};
    QTest::newRow("replaygain, then a target") << QByteArray("[general]\nreplaygain=2\n")
                                               << QList<int>{0, 1, 0, 5, 6, 1, 1, 0, 5, 1, 5, 1}
                                               << QList<int>{0, 1, 0, 5, 6, -2, 1, 0, 5, 1, 3, 1}
                                               << QList<int>{0, 2, 0, 5, 128, 0, 2, 44100, 192, 2, -16, 1, 0};
}

void TestSettingsDialog::newPagesRoundTrip()
{
    QFETCH(QByteArray, ini);
    QFETCH(QList<int>, shown);
    QFETCH(QList<int>, choose);
    QFETCH(QList<int>, stored);
    Session s(ini);
    const char *names[] = {"cbFlacFrequency", "cbFlacChannels", "cbFlacBPS", "cbFlacCompression", "cbOpusBitrate",
                           "CheckOpusVBR", "cbOpusChannels", "cbM4aFrequency", "cbM4aBitrate", "cbM4aChannels",
                           "cbLoudness", "cbPeaks"};
    const auto positions = [&] {
        QList<int> p;
        for (const char *n : names)
            p << (QLatin1String(n) == QLatin1String("CheckOpusVBR") ? int(box(n)->isChecked()) : list(n)->currentIndex());
        return p;
    };
    s.open();
    QCOMPARE(positions(), shown);
    for (int i = 0; i < choose.size(); ++i)
        choose[i] == -2 ? box(names[i])->click() : list(names[i])->setCurrentIndex(choose[i]);
    const QList<int> afterChoice = positions();
    // Peaks matter only where the sound is brought to a loudness target.
    QCOMPARE(list("cbPeaks")->isEnabled(), afterChoice[10] > 0 && afterChoice[10] < list("cbLoudness")->count() - 1);
    clickOk();
    for (const OutputSettings &o : {s.main->outputSettings(), fromFile()}) {
        const QList<int> got{o.FlacFrequency, o.FlacChannels, o.FlacBps, o.FlacCompression, o.OpusBitrate,
                             int(o.OpusVbr), o.OpusChannels, o.M4aFrequency, o.M4aBitrate, o.M4aChannels,
                             o.LoudnessTarget, o.LoudnessPeaks, o.ReplayGain};
        QCOMPARE(got, stored);
    }
    s.open();
    QCOMPARE(positions(), afterChoice);
    QCOMPARE(list("cbLoudness")->currentText(),
             stored[10] ? QString("%1 LUFS").arg(stored[10]) : stored[12] ? "ReplayGain tags" : "Off");
}

QTEST_MAIN(TestSettingsDialog)
// Return and Enter press the button in focus and nothing else; Escape is Cancel.
void TestSettingsDialog::returnAndEscape_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("outcome"); // saved, closed (nothing saved), open, refused (a message)
    QTest::newRow("OK, Return") << "BtnOK" << int(Qt::Key_Return) << "saved";
    QTest::newRow("OK, Enter") << "BtnOK" << int(Qt::Key_Enter) << "saved";
    QTest::newRow("Cancel, Return") << "BtnCancel" << int(Qt::Key_Return) << "closed";
    QTest::newRow("format list, Return") << "CBOutputFormat" << int(Qt::Key_Return) << "open";
    QTest::newRow("name pattern, Enter") << "EdNamePattern" << int(Qt::Key_Enter) << "open";
    QTest::newRow("folder, Return") << "EdOutputDir" << int(Qt::Key_Return) << "open";
    QTest::newRow("OK, Escape") << "BtnOK" << int(Qt::Key_Escape) << "closed";
    QTest::newRow("name pattern, Escape") << "EdNamePattern" << int(Qt::Key_Escape) << "closed";
    QTest::newRow("OK, unknown name field") << "BtnOK" << int(Qt::Key_Return) << "refused";
}

void TestSettingsDialog::returnAndEscape()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, outcome);
    Session s;
    SettingsDialog *dialog = s.open();
    const QString pattern = outcome == "refused" ? QStringLiteral("{name} {bogus}") : QStringLiteral("{name} edited");
    child<QLineEdit>(dialog, "EdNamePattern")->setText(pattern);
    dialog->show();
    QApplication::setActiveWindow(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    // The focus passes over OK first, as it does when one tabs round the dialog.
    auto *target = child(dialog, qPrintable(focus));
    child(dialog, "BtnOK")->setFocus(Qt::TabFocusReason);
    target->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(target->hasFocus());
    // Only the button in focus is drawn as the one Return presses.
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        QVERIFY2(button->isDefault() == (button == target), qPrintable(button->objectName()));
    QTest::keyClick(target, Qt::Key(key));
    if (outcome == "refused") { // said, with the field in focus and the unknown part selected
        QCOMPARE(s.desktop.messages.size(), 1);
        QVERIFY2(s.desktop.messages[0].text.contains("{bogus}"), qPrintable(s.desktop.messages[0].text));
        QVERIFY(form() && form()->isVisible());
        QVERIFY(child(dialog, "EdNamePattern")->hasFocus());
        QCOMPARE(child<QLineEdit>(dialog, "EdNamePattern")->selectedText(), QString("{bogus}"));
        QCOMPARE(fromFile().NamePattern == pattern, false);
        return;
    }
    if (outcome == "open") {
        QVERIFY(form() && form()->isVisible());
        QCOMPARE(fromFile().NamePattern == pattern, false);
        return;
    }
    QTRY_VERIFY(!form());
    QCOMPARE(fromFile().NamePattern == pattern, outcome == "saved");
}

namespace {
// WCAG 2 contrast of two colours, from 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

// The times of the progress dialog, the editor's start and end, and the settings' folder are
// read-only, not disabled: a screen reader does not call them unavailable, and their text
// reads at 4.5 to 1 or more on the field and on the window, under a light and a dark palette.
void TestSettingsDialog::readOnlyFieldsReadAtTextContrast_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::style()->standardPalette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 238));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, QColor(238, 238, 238));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 238));
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    QTest::newRow("dark") << dark;
}

void TestSettingsDialog::readOnlyFieldsReadAtTextContrast()
{
    QFETCH(QPalette, palette);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
    Session s;
    SettingsDialog *settings = s.open();
    ProgressDialog progress(s.main.get(), s.main->runEngine);
    Job job;
    job.SourceFile = s.folder.file("clip.avi");
    job.clipEnd = 30;
    ClipEditor editor(s.main.get(), job);
    const QList<QLineEdit *> fields{child<QLineEdit>(settings, "EdOutputDir"), child<QLineEdit>(&progress, "EditElapsed"),
                                    child<QLineEdit>(&progress, "EditLeft"), child<QLineEdit>(&editor, "EdStart"),
                                    child<QLineEdit>(&editor, "EdEnd")};
    for (QLineEdit *field : fields) {
        const QByteArray nameBytes = field->objectName().toUtf8();
        const char *name = nameBytes.constData();
        QVERIFY2(field->isReadOnly(), name);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(field);
        QVERIFY2(!accessible->state().disabled && accessible->state().readOnly, name);
        // The colours the field is drawn in: its text group, on its own base or, frameless,
        // on the window behind it.
        const QPalette::ColorGroup group = field->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const QColor text = field->palette().color(group, field->foregroundRole());
        for (const QColor &ground : {field->palette().color(group, QPalette::Base),
                                     field->parentWidget()->palette().color(group, QPalette::Window)})
            QVERIFY2(contrast(text, ground) >= 4.5,
                     qPrintable(QStringLiteral("%1: %2 on %3, %4 to 1").arg(name, text.name(), ground.name())
                                    .arg(contrast(text, ground), 0, 'f', 1)));
    }
}

#include "tst_settingsdialog.moc"
