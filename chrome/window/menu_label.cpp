#include "chrome/window/menu_label.h"

#include <QAccessibleWidget>
#include <QKeySequence>
#include <QPainter>
#include <QStyle>

namespace {

class MenuLabelAccessible : public QAccessibleWidget {
public:
    explicit MenuLabelAccessible(MenuLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* label = static_cast<const MenuLabel*>(widget());
        if (t == QAccessible::Name)
            return label->accessibleName();
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(label->caption()).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.hasPopup = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() || name == showMenuAction())
            static_cast<MenuLabel*>(widget())->press();
    }
};

QAccessibleInterface* menuLabelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("MenuLabel") && object && object->isWidgetType())
        return new MenuLabelAccessible(static_cast<MenuLabel*>(object));
    return nullptr;
}

} // namespace

MenuLabel::MenuLabel(const QString& caption, QWidget* parent, std::function<void()> press)
    : QLabel(parent), caption_(caption), press_(std::move(press))
{
    installAccessibility();
}

void MenuLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The underline is always shown, not only while Alt is held.
    style()->drawItemText(&painter, contentsRect(), int(alignment()) | Qt::TextShowMnemonic,
                          palette(), isEnabled(), caption_, foregroundRole());
}

void MenuLabel::installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(menuLabelFactory);
        return true;
    }();
    (void)installed;
}
