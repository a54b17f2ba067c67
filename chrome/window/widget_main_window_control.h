#pragma once

#include "chrome/toolbar_window.h"

#include <QPointer>
#include <QWidget>

// The real main window's state, as the toolbar's button 8 and the tray
// icon's left click change it.
class WidgetMainWindowControl : public MainWindowControl {
public:
    explicit WidgetMainWindowControl(QWidget* window) : window_(window) {}

    void setWindowState(WindowFrame::State state) override;
    void showWithFocus() override;

private:
    QPointer<QWidget> window_;
};
