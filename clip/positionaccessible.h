// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The track bar and the sound strip both show the play position. To a screen reader each
// is a slider whose value is that position in whole seconds, read as a time ("00:01:05"):
// the value's text and the description carry the time, since the description is what
// reaches AT-SPI on Linux.
#include <QAccessibleWidget>

class PositionAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit PositionAccessible(QWidget *widget);

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &) override {} // moved with the keys, never set from outside
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

    // Installs the factory that gives the track bar and the sound strip this interface.
    static void install();
    // Tells a screen reader that the position of widget moved to another second.
    static void positionChanged(QWidget *widget, qint64 ms);

private:
    qint64 positionMs() const;
    qint64 lengthMs() const;
};
