#include "wiring/main_form.h"

#include "chrome/toolbar_design.h"
#include "core/flags.h"

// The floating toolbar, the menu refresh and the tray icon. The window's
// load ends by loading the toolbar hidden and folded, remembering the
// window's state for the tray and adding the icon with the caption of that
// moment as its tip; from then on the menu refresh runs.
void MainForm::wireToolbarAndTray()
{
    showFloatingToolbar = [this] { form4.Show(); };
    hideFloatingToolbar = [this] { form4.Hide(); };
    removeTrayIcon = [this] { tray.tray_remove(); };
    qmx_tuopan1_Click = [this](int Index) { tray.qmx_tuopan1_Click(Index); };
    timersHeldWhileOpening << &form4.Timer1 << &form4.Timer2 << &menuRefresh.Timer2;

    formLoad = [this, load = formLoad.implementation()] {
        load();
        form4.Form_Load();
        form4.setHeight(ToolbarDesign::FoldedHeight);
        tray.qmx_tuopan1[TrayItem::News].visible = true;
        const WindowFrame::State shown = window.windowState();
        this->state.saved_window_state = shown == WindowFrame::Minimized ? WindowFrame::Normal : shown;
        // A close asked for during the load has already run: no icon to leave behind.
        if (this->state.closing != Flag::Closing) {
            tray.tray_add();
            tray.tray_set_tip(window.caption());
        }
        menuRefresh.Timer2.start();
    };
}
