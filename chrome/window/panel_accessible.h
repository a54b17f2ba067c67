#pragma once

#include <QAccessibleWidget>

class PanelPiece;

// What a screen reader gets from a knob, toggle or step button of the
// slider panel: its name, its value as the tip writes it, the checked
// state of a toggle, and actions to press, toggle, or move a knob.
class PanelAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit PanelAccessible(PanelPiece* piece);

    // Makes Qt build these for the panel's pieces.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    PanelPiece* piece() const;
    void moveBy(double step);
};
