#pragma once

#include "core/menu_array.h"
#include "core/operation.h"

class WindowFrame;
struct Form1State;
class MainWindowControl;
class TrayIcon;

// Item indices of the tray menu qmx_tuopan1 (6 does not exist).
namespace TrayItem {
inline constexpr int PlayFile = 0;
inline constexpr int Play = 2;
inline constexpr int Pause = 3;
inline constexpr int Stop = 4;
inline constexpr int HomePage = 8;
inline constexpr int News = 9;
inline constexpr int Nothing = 11;
inline constexpr int Exit = 12;
} // namespace TrayItem

// The tray menu as designed: the news item shows once start-up has made it visible.
MenuArray designedTrayMenu();

// What the tray menu takes from the main window: its frame and the state
// to restore, and the commands of the items.
struct TrayParts {
    Form1State& state;
    const WindowFrame& window;
    Operation<void(int Index)>& wenjian1_Click;
    Operation<void(int Index)>& kongzhi1_Click;
    Operation<void(int Index)>& bangzhu1_Click;
    Operation<void()>& formUnload;
};

// The tray icon of the main window and its menu: added at load with the
// caption of that moment as its tip, removed at the close request. A left
// click restores a minimized window; the desktop opens the menu on a right
// click. Without an icon (none given) the menu's items stay reachable from
// the main window's own menus.
class Tray {
public:
    explicit Tray(const TrayParts& parts) : parts_(parts) {}

    TrayIcon* icon = nullptr;
    MainWindowControl* mainWindow = nullptr;
    MenuArray qmx_tuopan1 = designedTrayMenu();

    void tray_add();
    void tray_set_tip(const QString& text);
    void tray_remove();
    // The left button was released over the icon.
    void leftClick();
    void qmx_tuopan1_Click(int Index);

private:
    void exit();

    TrayParts parts_;
    bool added_ = false;
};
