#pragma once

#include <QLabel>

#include <functional>

// A label of the label menu bar. To assistive technologies it is a button
// that opens a menu: pressing it through them pops the menu up as a click
// would.
class MenuLabel : public QLabel {
    Q_OBJECT
public:
    MenuLabel(const QString& text, QWidget* parent, std::function<void()> press);

    void press() const { press_(); }

    // Lets assistive technologies see menu labels as buttons; called once.
    static void installAccessibility();

private:
    std::function<void()> press_;
};
