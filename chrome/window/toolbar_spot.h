#pragma once

#include <QWidget>
#include <functional>

// A hot spot of the floating toolbar as assistive technology sees it: a
// button named by its tooltip that can be pressed. The pointer passes
// through it to the toolbar, which paints and handles every button itself.
class ToolbarSpot : public QWidget {
    Q_OBJECT
public:
    ToolbarSpot(QWidget* parent, std::function<void()> press);

    void press() const { press_(); }

    // Makes Qt build the accessible button for each spot.
    static void install();

private:
    std::function<void()> press_;
};
