// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip/updown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

UpDown::UpDown(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const bool up : {true, false}) {
        auto *arrow = new QToolButton(this);
        arrow->setObjectName(up ? QStringLiteral("up") : QStringLiteral("down"));
        arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        arrow->setAccessibleName(up ? tr("One more") : tr("One less"));
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(arrow, &QToolButton::clicked, this, [this, up] { stepBy(up ? 1 : -1); });
        layout->addWidget(arrow);
    }
}

void UpDown::setBuddy(QLineEdit *edit)
{
    if (m_buddy)
        m_buddy->removeEventFilter(this);
    m_buddy = edit;
    if (m_buddy)
        m_buddy->installEventFilter(this);
}

void UpDown::setRange(int min, int max)
{
    m_min = min;
    m_max = max;
}

void UpDown::stepBy(int steps)
{
    if (!m_buddy)
        return;
    bool ok = false;
    const qint64 typed = m_buddy->text().toLongLong(&ok);
    m_position = int(std::clamp<qint64>((ok ? typed : m_position) + steps, m_min, m_max));
    m_buddy->setText(QString::number(m_position));
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
