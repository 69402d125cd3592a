// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: fills its controls from a copy of the output settings, lists the WMA
// profiles of the WMA module, and on OK has the settings object save them.
#include "settings/setting.h"

#include "core/core.h"
#include "desktop/application.h"
#include "desktop/desktop.h"
#include "formats/registry.h"
#include "formats/wma/wmaformat.h"
#include "formats/wma/wmapage.h"
#include "ui_setting.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QThread>
#include <algorithm>
#include <iterator>

SettingsDialog::SettingsDialog(QWidget *owner, AppSettings &settings)
    : QDialog(owner), ui(new Ui::SettingsDialog), m_settings(settings), m_edit(settings.outputSettings())
{
    ui->setupUi(this);
    // A tab for each format's page after General. The pages come last in the focus chain, so
    // OK and Cancel move behind them: the focus passes from the open tab to OK.
    m_pages = createFormatPages(this);
    for (FormatPage *page : m_pages)
        ui->PageControl1->addTab(page, page->windowTitle());
    setTabOrder(previousInFocusChain(), ui->BtnOK);
    setTabOrder(ui->BtnOK, ui->BtnCancel);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    // Opens at its first size, wider where the desktop's font needs it for every tab to show,
    // and grows from there.
    resize(size().expandedTo(minimumSizeHint()));
    setMinimumSize(size());

    connect(ui->BtnSelect, &QPushButton::clicked, this, [this] { guarded([this] { btnSelectClick(); }); });
    connect(ui->BtnOK, &QPushButton::clicked, this, [this] { guarded([this] { btnOkClick(); }); });
    connect(ui->BtnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(qApp, &QApplication::focusChanged, this, [this] { showOnlyFocusedAsDefault(); });
    connect(ui->cbLoudness, &QComboBox::currentIndexChanged, this, [this] { showPeaksInUse(); });

    formCreate();
}

SettingsDialog::~SettingsDialog()
{
    disconnect(qApp, nullptr, this, nullptr); // the focus moves while the controls go
    delete ui;
}

void SettingsDialog::formCreate()
{
    ui->SpinJobs->setRange(1, std::max(1, QThread::idealThreadCount()));
    ui->CBOutputFormat->clear(); // the formats as the table lists them, none chosen yet
    for (const OutputFormatModule *f : outputFormats())
        ui->CBOutputFormat->addItem(QString::fromLatin1(f->name));
    ui->CBOutputFormat->setCurrentIndex(-1);
    // The profile list holds the WMA module's profiles in its own order, so that list
    // position, stored value and the profile the encoder selects are one number.
    auto *wma = qobject_cast<WmaPage *>(m_pages[size_t(outputFormatNumber(QStringLiteral("wma")))]);
    for (const QString &profile : wmaProfileDescriptions())
        wma->addProfile(profile);
    showSettings();
}

QString SettingsDialog::wmaProfileDescription(int profile)
{
    return wmaProfileDescriptions().value(profile);
}

void SettingsDialog::showSettings()
{
    const OutputSettings &s = m_edit;
    ui->EdOutputDir->setText(s.OutputPath);
    selectPosition(ui->CBOutputFormat, s.OutputFormat);
    ui->SpinJobs->setValue(s.Jobs);
    selectPosition(ui->cbSaveTo, s.SaveTo);
    ui->EdNamePattern->setText(s.NamePattern);
    selectPosition(ui->cbExisting, s.ExistingFile);
    ui->CheckCopyTags->setChecked(s.CopyTags);

    for (FormatPage *page : m_pages)
        page->showSettings(s);

    // The list's last entry, after the targets: ReplayGain tags instead of changing the sound.
    const bool tags = s.LoudnessTarget == 0 && s.ReplayGain != OutputSettings::NoReplayGain;
    selectPosition(ui->cbLoudness, tags ? int(std::size(kLoudnessTargets)) : positionIn(kLoudnessTargets, s.LoudnessTarget, 0));
    selectPosition(ui->cbPeaks, s.LoudnessPeaks == OutputSettings::LowerClip ? 0 : 1);
    showPeaksInUse();
}

// What is done with peaks matters only where the sound is brought to a loudness: not when
// loudness is off, nor with ReplayGain tags, which leave the sound as it is.
void SettingsDialog::showPeaksInUse()
{
    const int loudness = ui->cbLoudness->currentIndex();
    const bool inUse = loudness > 0 && loudness < int(std::size(kLoudnessTargets));
    ui->lbPeaks->setEnabled(inUse);
    ui->cbPeaks->setEnabled(inUse);
}

void SettingsDialog::collectSettings()
{
    OutputSettings &s = m_edit;
    s.OutputPath = ui->EdOutputDir->text();
    s.OutputFormat = ui->CBOutputFormat->currentIndex();
    s.OutputExt = outputExtension(s.OutputFormat);
    s.Jobs = ui->SpinJobs->value();
    s.SaveTo = ui->cbSaveTo->currentIndex();
    s.NamePattern = ui->EdNamePattern->text().trimmed().isEmpty() ? QStringLiteral("{name}") : ui->EdNamePattern->text();
    s.ExistingFile = ui->cbExisting->currentIndex();
    s.CopyTags = ui->CheckCopyTags->isChecked();

    for (const FormatPage *page : m_pages)
        page->collectSettings(s);

    // ReplayGain tags keep the scope the settings had (album, both tags, when new); a target
    // keeps the album's one gain that setup.ini gave it; Off is neither.
    const int loudness = ui->cbLoudness->currentIndex();
    const bool hadTags = s.LoudnessTarget == 0 && s.ReplayGain != OutputSettings::NoReplayGain;
    if (loudness == int(std::size(kLoudnessTargets)))
        s.ReplayGain = hadTags ? s.ReplayGain : OutputSettings::AlbumGain;
    else if (loudness == 0 || s.LoudnessTarget == 0)
        s.ReplayGain = OutputSettings::NoReplayGain;
    s.LoudnessTarget = valueAt(kLoudnessTargets, loudness, 0);
    s.LoudnessPeaks = ui->cbPeaks->currentIndex() == 0 ? OutputSettings::LowerClip : OutputSettings::LimitPeaks;
}

void SettingsDialog::btnSelectClick()
{
    const QString path = browseOutputFolder(this, ui->EdOutputDir->text());
    if (!path.isEmpty())
        ui->EdOutputDir->setText(path);
}

void SettingsDialog::btnOkClick()
{
    // A placeholder the names do not know would be written into every file's name as typed.
    if (const QStringList unknown = unknownNameFields(ui->EdNamePattern->text()); !unknown.isEmpty()) {
        showInformation(this, tr("The file name knows {name} {title} {artist} {album} {year} {track} {n} and "
                                 "{chapter}, not %1.").arg(unknown.join(QLatin1Char(' '))));
        ui->PageControl1->setCurrentIndex(0);
        ui->EdNamePattern->setFocus();
        const int at = int(ui->EdNamePattern->text().indexOf(unknown.first()));
        ui->EdNamePattern->setSelection(at, int(unknown.first().size()));
        return;
    }
    collectSettings();
    // Saved first, applied only once saved: a refused write raises, and the dialog stays
    // open with the program's settings, the file and the main window as they were.
    m_settings.save(m_edit);
    accept();
}

void SettingsDialog::btnCancelClick() { reject(); }

void SettingsDialog::showFormatPage(int format)
{
    if (format < 0 || format >= int(m_pages.size()))
        return; // no format chosen: the first page stays
    ui->PageControl1->setCurrentWidget(m_pages[size_t(format)]);
}

// The dialog frees itself when it closes; whoever opened it holds it through a QPointer.
void SettingsDialog::formClose() {}

// Return and Enter press the button that has the focus (the buttons take them themselves);
// with the focus on any other control they press nothing, so that a list or a box never
// saves the dialog by surprise. QDialog would press the first button instead.
void SettingsDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// QDialog makes a button the default when it is shown and whenever an auto-default button
// loses the focus, which draws it as the one Return presses; only the button in focus is.
void SettingsDialog::showOnlyFocusedAsDefault()
{
    for (QPushButton *button : findChildren<QPushButton *>())
        if (!button->hasFocus())
            button->setDefault(false);
}

void SettingsDialog::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (visible)
        showOnlyFocusedAsDefault();
}

void SettingsDialog::done(int result)
{
    formClose();
    QDialog::done(result);
}
