#include "chrome/window/panel_accessible.h"

#include "chrome/window/panel_piece.h"

namespace {

constexpr double kKeyStep = 0.05; // of the track, per increase or decrease

QAccessible::Role roleOf(PanelPiece::Kind kind)
{
    switch (kind) {
    case PanelPiece::Knob: return QAccessible::Slider;
    case PanelPiece::Toggle: return QAccessible::CheckBox;
    case PanelPiece::StepButton: return QAccessible::Button;
    default: return QAccessible::Graphic;
    }
}

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className != QLatin1String("PanelPiece"))
        return nullptr;
    if (auto* piece = qobject_cast<PanelPiece*>(object))
        return new PanelAccessible(piece);
    return nullptr;
}

} // namespace

PanelAccessible::PanelAccessible(PanelPiece* piece) : QAccessibleWidget(piece, roleOf(piece->kind())) {}

void PanelAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

PanelPiece* PanelAccessible::piece() const
{
    return static_cast<PanelPiece*>(widget());
}

void* PanelAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface && piece()->kind() == PanelPiece::Knob)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State PanelAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (piece()->kind() == PanelPiece::Toggle) {
        s.checkable = true;
        s.checked = piece()->checked && piece()->checked();
    }
    return s;
}

QString PanelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value && piece()->valueText)
        return piece()->valueText();
    return QAccessibleWidget::text(t);
}

QVariant PanelAccessible::currentValue() const
{
    const auto r = piece()->fraction ? piece()->fraction() : std::nullopt;
    return r ? QVariant(*r * 100) : QVariant();
}

void PanelAccessible::setCurrentValue(const QVariant& value)
{
    bool ok = false;
    const double percent = value.toDouble(&ok);
    if (ok && piece()->setFraction)
        piece()->setFraction(qBound(0.0, percent, 100.0) / 100);
}

QStringList PanelAccessible::actionNames() const
{
    switch (piece()->kind()) {
    case PanelPiece::Knob: return {increaseAction(), decreaseAction()};
    case PanelPiece::Toggle: return {pressAction(), toggleAction()};
    case PanelPiece::StepButton: return {pressAction()};
    default: return {};
    }
}

void PanelAccessible::doAction(const QString& actionName)
{
    if (actionName == increaseAction())
        moveBy(kKeyStep);
    else if (actionName == decreaseAction())
        moveBy(-kKeyStep);
    else if ((actionName == pressAction() || actionName == toggleAction()) && piece()->press)
        piece()->press();
}

void PanelAccessible::moveBy(double step)
{
    const auto r = piece()->fraction ? piece()->fraction() : std::nullopt;
    if (r && piece()->setFraction)
        piece()->setFraction(qBound(0.0, *r + step, 1.0));
}
