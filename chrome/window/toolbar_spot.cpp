#include "chrome/window/toolbar_spot.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class SpotAccessible : public QAccessibleWidget {
public:
    explicit SpotAccessible(ToolbarSpot* spot) : QAccessibleWidget(spot, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            static_cast<ToolbarSpot*>(widget())->press();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* spotFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ToolbarSpot") && object && object->isWidgetType())
        return new SpotAccessible(static_cast<ToolbarSpot*>(object));
    return nullptr;
}

} // namespace

ToolbarSpot::ToolbarSpot(QWidget* parent, std::function<void()> press)
    : QWidget(parent), press_(std::move(press))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ToolbarSpot::install()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(spotFactory);
        installed = true;
    }
}
