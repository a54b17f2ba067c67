#include "chrome/window/menu_label.h"

#include <QAccessibleWidget>

namespace {

class MenuLabelAccessible : public QAccessibleWidget {
public:
    explicit MenuLabelAccessible(MenuLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? widget()->accessibleName() : QAccessibleWidget::text(t);
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

MenuLabel::MenuLabel(const QString& text, QWidget* parent, std::function<void()> press)
    : QLabel(text, parent), press_(std::move(press))
{
    installAccessibility();
}

void MenuLabel::installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(menuLabelFactory);
        return true;
    }();
    (void)installed;
}
