#pragma once

#include <QProcess>
#include <QRect>

// A window manager (openbox) and a panel along the bottom edge (trayer)
// on the test display, for as long as the object lives.
class DesktopSession {
public:
    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // Whether the work area left room for the panel.
    bool ready() const { return ready_; }

    static constexpr int kPanelHeight = 32;

private:
    QProcess windowManager_;
    QProcess panel_;
    bool ready_ = false;
};
