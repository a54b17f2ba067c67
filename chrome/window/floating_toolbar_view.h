#pragma once

#include "chrome/toolbar_window.h"

#include <QPoint>
#include <array>
#include <QWidget>

class Form4;
class ToolbarSpot;

// The floating toolbar's window: a frameless tool window above all others
// that shows Form4's strip, background and colour box, and hands the
// pointer's presses, moves and releases to the hot spot under it or to the
// strip. Under a Wayland session, where a window can neither place itself
// nor see the pointer outside it, the toolbar stays unfolded where the
// compositor puts it and its handles move it through the compositor.
class FloatingToolbarView : public QWidget, public ToolbarWindow {
    Q_OBJECT
public:
    explicit FloatingToolbarView(Form4& toolbar);

    QRect windowRect() const override;
    void moveWindow(const QRect& rect) override;
    void placeTopmost(const QRect& rect) override;
    QPoint cursorPos() const override;
    QRect screenRect() const override;
    bool isVisible() const override { return QWidget::isVisible(); }
    void setVisible(bool visible) override;
    void takeFocus() override;

    // The hot spot (1 ... 9) at a point of the window, 0 for the bare strip.
    static int hotSpotAt(const QPointF& local);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void follow();
    static bool placesItself();

    Form4& toolbar_;
    int pressedSpot_ = 0;      // the hot spot that took the press, while held
    QPoint lastLocal_{-1, -1}; // the pointer inside the window, last seen
    std::array<ToolbarSpot*, 10> spots_{};
};
