// The floating toolbar's window, the tray icon with its menu, and the
// window's own icon that the tray shows.
#include "window/main_window.h"

#include "chrome/window/desktop_tray_icon.h"
#include "chrome/window/floating_toolbar_view.h"
#include "chrome/window/widget_main_window_control.h"
#include "window/list_menu_popup.h"
#include "window/menu_view.h"

void MainWindow::createToolbarAndTray()
{
    setWindowIcon(QIcon(form_->programPath(QStringLiteral("tubiao/璇音坊.png"))));
    mainWindowControl_ = std::make_unique<WidgetMainWindowControl>(this);
    toolbarView_ = std::make_unique<FloatingToolbarView>(form_->form4);
    toolbarView_->setWindowIcon(windowIcon());
    form_->form4.mainWindow = mainWindowControl_.get();
    form_->form4.popupListMenu.connect(this, [this](const QPoint& at) { listMenu_->popup(at); });

    auto* trayMenu = new MenuView(QStringLiteral("托盘"), form_->tray.qmx_tuopan1, this);
    connect(trayMenu, &MenuView::itemClicked, this,
            [this](int i) { form_->qmx_tuopan1_Click(i); });
    trayIcon_ = std::make_unique<DesktopTrayIcon>(trayMenu, windowIcon(),
                                                  [this] { form_->tray.leftClick(); });
    form_->tray.icon = trayIcon_.get();
    form_->tray.mainWindow = mainWindowControl_.get();
}

// The toolbar and the tray icon go before the model they show.
void MainWindow::removeToolbarAndTray()
{
    form_->form4.Timer1.stop();
    form_->form4.Timer2.stop();
    form_->menuRefresh.Timer2.stop();
    form_->form4.window = nullptr;
    form_->form4.mainWindow = nullptr;
    form_->tray.icon = nullptr;
    form_->tray.mainWindow = nullptr;
    toolbarView_.reset();
    trayIcon_.reset();
}
