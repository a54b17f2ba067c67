// The File menu with its folder-filter submenus, the folder filters of the
// shortcut menu, and the Help menu.
#include "window/main_window.h"

#include "core/designed_menus.h"
#include "core/flags.h"
#include "options/file_menu.h"
#include "window/menu_view.h"

#include <QCursor>
#include <QShortcut>

void MainWindow::createFileMenus()
{
    auto* shortcutFolderMenu =
        new MenuView(QStringLiteral("播放目录(&M)"), form_->kuaijie_mulu, this);
    connect(shortcutFolderMenu, &MenuView::itemClicked, this,
            [this](int i) { form_->kuaijie_mulu_Click(i); });
    shortcutMenu_->setSubmenu(12, shortcutFolderMenu);
    // Previous, next and replay: the mark shows which one was used last.
    shortcutMenu_->setCheckItems({7, 8, 9});

    auto* playFolderMenu = new MenuView(QStringLiteral("播放目录(&M)"), form_->bofangmulu, this);
    connect(playFolderMenu, &MenuView::itemClicked, this,
            [this](int i) { form_->bofangmulu_Click(i); });
    auto* addFolderMenu = new MenuView(QStringLiteral("增加目录(&J)"), form_->zunjiamulu, this);
    connect(addFolderMenu, &MenuView::itemClicked, this,
            [this](int i) { form_->zunjiamulu_Click(i); });
    auto* fileMenu = new MenuView(QStringLiteral("文件(&F)"), form_->wenjian1, this);
    fileMenu->setSubmenu(FileMenu::PlayFolder, playFolderMenu);
    fileMenu->setSubmenu(FileMenu::AddFolder, addFolderMenu);
    createDriveMenus(fileMenu);
    connect(fileMenu, &MenuView::itemClicked, this, [this](int i) { form_->wenjian1_Click(i); });
    labelMenus_[LabelSlot::File] = [fileMenu](const QPoint& p) { fileMenu->exec(p); };
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F), this), &QShortcut::activated, this,
            [fileMenu] { fileMenu->popup(QCursor::pos()); });

    // Esc cancels a folder scan; the scan lets the window take keys between entries.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            [this] { form_->state.scan_cancel = Flag::Cancelled; });
}

// One item per optical drive in each: play the disc, open and close the tray.
void MainWindow::createDriveMenus(MenuView* fileMenu)
{
    auto* playDiscMenu = new MenuView(form_->wenjian1.at(FileMenu::PlayDisc).caption,
                                      form_->bofangguangpan1, this);
    connect(playDiscMenu, &MenuView::itemClicked, this,
            [this](int i) { form_->bofangguangpan1_Click(i); });
    auto* openTrayMenu = new MenuView(form_->wenjian1.at(FileMenu::OpenTray).caption,
                                      form_->tankai1, this);
    connect(openTrayMenu, &MenuView::itemClicked, this, [this](int i) { form_->tankai1_Click(i); });
    auto* closeTrayMenu = new MenuView(form_->wenjian1.at(FileMenu::CloseTray).caption,
                                       form_->guanshang1, this);
    connect(closeTrayMenu, &MenuView::itemClicked, this,
            [this](int i) { form_->guanshang1_Click(i); });
    fileMenu->setSubmenu(FileMenu::PlayDisc, playDiscMenu);
    fileMenu->setSubmenu(FileMenu::OpenTray, openTrayMenu);
    fileMenu->setSubmenu(FileMenu::CloseTray, closeTrayMenu);
}

void MainWindow::createHelpMenu()
{
    auto* helpMenu = new MenuView(QStringLiteral("帮助(&H)"), form_->bangzhu1, this);
    helpMenu->setCheckItems({HelpItem::NoNewsPopups});
    connect(helpMenu, &MenuView::itemClicked, this, [this](int i) { form_->bangzhu1_Click(i); });
    labelMenus_[LabelSlot::Help] = [helpMenu](const QPoint& p) { helpMenu->exec(p); };
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_H), this), &QShortcut::activated, this,
            [helpMenu] { helpMenu->popup(QCursor::pos()); });
}
