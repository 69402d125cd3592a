// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip/positionaccessible.h"

#include "clip/soundstrip.h"
#include "clip/trackbar.h"
#include "core/core.h"

TPositionAccessible::TPositionAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Slider) {}

qint64 TPositionAccessible::PositionMs() const
{
    if (auto *bar = qobject_cast<const TTrackBar *>(widget()))
        return bar->positionMs();
    if (auto *strip = qobject_cast<const TSoundStrip *>(widget()))
        return strip->position();
    return 0;
}

qint64 TPositionAccessible::LengthMs() const
{
    if (auto *bar = qobject_cast<const TTrackBar *>(widget()))
        return bar->lengthMs();
    if (auto *strip = qobject_cast<const TSoundStrip *>(widget()))
        return strip->length();
    return 0;
}

QString TPositionAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value || t == QAccessible::Description)
        return SecondsToTime(PositionMs() / 1000);
    if (t == QAccessible::Help)
        return widget()->toolTip();
    return QAccessibleWidget::text(t);
}

void *TPositionAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant TPositionAccessible::currentValue() const { return PositionMs() / 1000; }

QVariant TPositionAccessible::maximumValue() const { return LengthMs() / 1000; }

void TPositionAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &key, QObject *object) -> QAccessibleInterface * {
            if (object && object->isWidgetType() && (key == QLatin1String("TTrackBar") || key == QLatin1String("TSoundStrip")))
                return new TPositionAccessible(static_cast<QWidget *>(object));
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

void TPositionAccessible::PositionChanged(QWidget *widget, qint64 ms)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(widget, ms / 1000);
    QAccessible::updateAccessibility(&event);
}
