// SPDX-License-Identifier: GPL-3.0-or-later
// The time entry dialog of the clip editor.
#include "clip/edittime.h"

#include "desktop/application.h"
#include "desktop/desktop.h"
#include "ui_edittime.h"

#include <limits>

namespace {
int field(const QLineEdit *edit)
{
    bool ok = false;
    const int value = edit->text().toInt(&ok, 10);
    if (!ok)
        throw ClipvoxError(QCoreApplication::translate("Core", "'%1' is not a valid integer value").arg(edit->text()));
    return value;
}

// Hours, minutes and seconds as typed, each taken as it stands: 90 minutes are 5400 s.
// A negative field makes the whole time negative (-1).
qint64 rowSeconds(const QLineEdit *hours, const QLineEdit *minutes, const QLineEdit *seconds)
{
    const int h = field(hours), m = field(minutes), s = field(seconds);
    if (h < 0 || m < 0 || s < 0)
        return -1;
    return qint64(h) * 3600 + qint64(m) * 60 + s;
}

int toInt(qint64 v)
{
    return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
} // namespace

TimeEntryDialog::TimeEntryDialog(QWidget *owner, int startSeconds, int endSeconds, int duration)
    : QDialog(owner), ui(new Ui::TimeEntryDialog), m_start(startSeconds), m_end(endSeconds), m_duration(duration)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(size().expandedTo(minimumSizeHint())); // opens at its first size, its smallest
    setMinimumSize(size());
    const struct {
        UpDown *arrows;
        QLineEdit *edit;
        int max;
    } pairs[] = {
        {ui->UpDownStartHour, ui->EdStartHour, 100}, {ui->UpDownStartMin, ui->EdStartMin, 60},
        {ui->UpDownStartSec, ui->EdStartSec, 60},           {ui->UpDownStopHour, ui->EdStopHour, 100},
        {ui->UpDownStopMin, ui->EdStopMin, 60},            {ui->UpDownStopSec, ui->EdStopSec, 60},
    };
    for (const auto &p : pairs) {
        p.arrows->setBuddy(p.edit);
        p.arrows->setRange(0, p.max);
    }
    connect(ui->BitBtnOK, &QPushButton::clicked, this, [this] { guarded([this] { bitBtnOkClick(); }); });
    connect(ui->BitBtnCancel, &QPushButton::clicked, this, [this] { bitBtnCancelClick(); });
}

TimeEntryDialog::~TimeEntryDialog() { delete ui; }

void TimeEntryDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    formShow();
}

void TimeEntryDialog::formShow()
{
    const auto split = [](int n, QLineEdit *hours, QLineEdit *minutes, QLineEdit *seconds) {
        hours->setText(QString::number(n / 3600));
        minutes->setText(QString::number(n % 3600 / 60));
        seconds->setText(QString::number(n % 60));
    };
    split(m_start, ui->EdStartHour, ui->EdStartMin, ui->EdStartSec);
    split(m_end, ui->EdStopHour, ui->EdStopMin, ui->EdStopSec);
}

void TimeEntryDialog::bitBtnOkClick()
{
    const qint64 start = rowSeconds(ui->EdStartHour, ui->EdStartMin, ui->EdStartSec);
    const auto refuse = [this](const char *text) { showInformation(this, tr(text)); };
    if (start < 0)
        return refuse(QT_TR_NOOP("Start time should not be negative."));
    if (start > m_duration)
        return refuse(QT_TR_NOOP("Start time should be less than total duration."));
    const qint64 stop = rowSeconds(ui->EdStopHour, ui->EdStopMin, ui->EdStopSec);
    if (stop < 0)
        return refuse(QT_TR_NOOP("Stop time should not be negative."));
    if (stop > m_duration)
        return refuse(QT_TR_NOOP("Stop time should be less than total duration."));
    if (start > stop)
        return refuse(QT_TR_NOOP("Start time should not be later than stop time."));
    m_start = toInt(start);
    m_end = toInt(stop);
    emit timesChosen(m_start, m_end);
    accept();
}

void TimeEntryDialog::bitBtnCancelClick() { reject(); }
