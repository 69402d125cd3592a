// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip/positionaccessible.h"

#include "clip/soundstrip.h"
#include "clip/trackbar.h"
#include "core/core.h"

PositionAccessible::PositionAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Slider) {}

qint64 PositionAccessible::positionMs() const
{
    if (auto *bar = qobject_cast<const TrackBar *>(widget()))
        return bar->positionMs();
    if (auto *strip = qobject_cast<const SoundStrip *>(widget()))
        return strip->position();
    return 0;
}

qint64 PositionAccessible::lengthMs() const
{
    if (auto *bar = qobject_cast<const TrackBar *>(widget()))
        return bar->lengthMs();
    if (auto *strip = qobject_cast<const SoundStrip *>(widget()))
        return strip->length();
    return 0;
}

QString PositionAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value || t == QAccessible::Description)
        return secondsToTime(positionMs() / 1000);
    if (t == QAccessible::Help)
        return widget()->toolTip();
    return QAccessibleWidget::text(t);
}

void *PositionAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant PositionAccessible::currentValue() const { return positionMs() / 1000; }

QVariant PositionAccessible::maximumValue() const { return lengthMs() / 1000; }

void PositionAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &key, QObject *object) -> QAccessibleInterface * {
            if (object && object->isWidgetType() && (key == QLatin1String("TrackBar") || key == QLatin1String("SoundStrip")))
                return new PositionAccessible(static_cast<QWidget *>(object));
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

void PositionAccessible::positionChanged(QWidget *widget, qint64 ms)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(widget, ms / 1000);
    QAccessible::updateAccessibility(&event);
}
