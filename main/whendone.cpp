// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/whendone.h"

#include "desktop/desktop.h"
#include "desktop/power.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int kNoticeSeconds = 30;
} // namespace

WhenDone::WhenDone(SystemPower *power, QWidget *parent) : QWidget(parent), m_power(power)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 0, 0, 0);
    auto *label = new QLabel(tr("When &done"), this);
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("whenDoneCombo"));
    m_combo->setAccessibleName(tr("When done"));
    m_combo->addItems({tr("Do nothing"), tr("Open the output folder"), tr("Quit Clipvox"), tr("Suspend"), tr("Power off")});
    m_combo->setToolTip(tr("What follows a run that was not cancelled"));
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_combo->setMinimumContentsLength(10);
    label->setBuddy(m_combo);
    layout->addWidget(label);
    layout->addWidget(m_combo);
    connect(m_combo, &QComboBox::currentIndexChanged, this, [this](int i) { emit choiceChanged(Choice(i)); });
    connect(m_power, &SystemPower::failed, this, [this](const QString &reason) { showInformation(window(), reason); });
}

WhenDone::Choice WhenDone::choice() const { return Choice(m_combo->currentIndex()); }

void WhenDone::runEnded(const QString &folder)
{
    switch (choice()) {
    case Nothing:
        break;
    case OpenFolder:
        Desktop::instance().openUrl(QUrl::fromLocalFile(folder));
        break;
    case Quit:
        // As the user's close: the settings and the queue are kept.
        QTimer::singleShot(0, window(), &QWidget::close);
        break;
    case Suspend:
    case PowerOff: {
        auto *notice = new WhenDoneNotice(choice() == PowerOff, kNoticeSeconds, window());
        connect(notice, &QDialog::accepted, m_power, [power = m_power, off = choice() == PowerOff] {
            power->request(off ? SystemPower::PowerOff : SystemPower::Suspend);
        });
        notice->show();
        break;
    }
    }
}

WhenDoneNotice::WhenDoneNotice(bool powerOff, int seconds, QWidget *parent)
    : QDialog(parent), m_powerOff(powerOff), m_left(seconds), m_label(new QLabel(this)), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("whenDoneNotice"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Clipvox"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *now = buttons->addButton(powerOff ? tr("Power off now") : tr("Suspend now"), QDialogButtonBox::AcceptRole);
    buttons->button(QDialogButtonBox::Cancel)->setDefault(true); // Return does not end the session
    now->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(buttons);
    connect(m_timer, &QTimer::timeout, this, &WhenDoneNotice::tick);
    m_timer->start(1000);
    m_left += 1;
    tick();
}

QString WhenDoneNotice::text() const { return m_label->text(); }

void WhenDoneNotice::tick()
{
    if (--m_left <= 0) {
        m_timer->stop();
        accept();
        return;
    }
    m_label->setText(m_powerOff ? tr("The conversion is done. The computer powers off in %n seconds.", nullptr, m_left)
                                : tr("The conversion is done. The computer suspends in %n seconds.", nullptr, m_left));
}
