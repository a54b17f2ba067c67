// The List, sort, Options, Control, Audio and Image menus, and the
// Options submenus of backgrounds and start pictures.
#include "window/main_window.h"

#include "core/designed_menus.h"
#include "window/list_menu_popup.h"
#include "window/menu_view.h"

#include <QCursor>
#include <QShortcut>

void MainWindow::createPlaylistMenus()
{
    listMenu_ = new ListMenuPopup(form_->liebiao, this);
    connect(listMenu_, &ListMenuPopup::itemClicked, this, [this](int i) { form_->liebiao_Click(i); });
    sortMenu_ = new MenuView(QStringLiteral("排序"), form_->paixu1, this);
    sortMenu_->setEveryItemCheckable();
    connect(sortMenu_, &MenuView::itemClicked, this, [this](int i) { form_->paixu1_Click(i); });
    auto* loopMenu = new MenuView(QStringLiteral("循环播放(&X)"), form_->xunhuan1, this);
    loopMenu->setEveryItemCheckable();
    connect(loopMenu, &MenuView::itemClicked, this, [this](int i) { form_->xunhuan1_Click(i); });
    optionsMenu_ = new MenuView(QStringLiteral("选项(&X)"), form_->xuanxiang1, this);
    optionsMenu_->setSubmenu(OptionsItem::Loop, loopMenu);
    optionsMenu_->setCheckItems({OptionsItem::NoPicturesInLoopAll, OptionsItem::ShowDirectories,
                                 OptionsItem::RandomStartPicture});
    connect(optionsMenu_, &MenuView::itemClicked, this,
            [this](int i) { form_->xuanxiang1_Click(i); });
    // From the keyboard: Alt+L list, Alt+P sort, Alt+X options.
    const auto popupOn = [this](QKeyCombination keys, auto* menu) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this,
                [menu] { menu->popup(QCursor::pos()); });
    };
    popupOn(Qt::ALT | Qt::Key_L, listMenu_);
    popupOn(Qt::ALT | Qt::Key_P, sortMenu_);
    popupOn(Qt::ALT | Qt::Key_X, optionsMenu_);
    labelMenus_[LabelSlot::Options] = [this](const QPoint& p) { optionsMenu_->exec(p); };
    labelMenus_[LabelSlot::List] = [this](const QPoint& p) { listMenu_->popup(p); };

    auto* pointMenu = new MenuView(QStringLiteral("选择播放点(&Z)"), form_->baifenbi, this);
    connect(pointMenu, &MenuView::itemClicked, this, [this](int i) { form_->baifenbi_Click(i); });
    auto* controlMenu = new MenuView(QStringLiteral("控制(&C)"), form_->kongzhi1, this);
    controlMenu->setSubmenu(ControlItem::PlayPoints, pointMenu);
    connect(controlMenu, &MenuView::itemClicked, this, [this](int i) { form_->kongzhi1_Click(i); });
    popupOn(Qt::ALT | Qt::Key_C, controlMenu);
    labelMenus_[LabelSlot::Control] = [controlMenu](const QPoint& p) { controlMenu->exec(p); };
}

// The Audio menu and its volume presets (also Alt+A).
void MainWindow::createAudioMenu()
{
    auto* volumeMenu = new MenuView(QStringLiteral("音量(&A)"), form_->yinliang1, this);
    connect(volumeMenu, &MenuView::itemClicked, this, [this](int i) { form_->yinliang1_Click(i); });
    // The volume item is clicked as its submenu opens.
    connect(volumeMenu, &QMenu::aboutToShow, this,
            [this] { form_->yinping1_Click(AudioItem::Volume); });
    auto* audioMenu = new MenuView(QStringLiteral("音频(&A)"), form_->yinping1, this);
    audioMenu->setSubmenu(AudioItem::Volume, volumeMenu);
    audioMenu->setCheckItems({AudioItem::Mute});
    connect(audioMenu, &MenuView::itemClicked, this, [this](int i) { form_->yinping1_Click(i); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_A), this), &QShortcut::activated, this,
            [audioMenu] { audioMenu->popup(QCursor::pos()); });
    labelMenus_[LabelSlot::Audio] = [audioMenu](const QPoint& p) { audioMenu->exec(p); };
}

// The Image menu with its percentage submenu (also Alt+T), and the Options
// submenus of backgrounds and start pictures.
void MainWindow::createImageMenu()
{
    auto* percentMenu = new MenuView(QStringLiteral("按比例(&A)"), form_->bili1, this);
    connect(percentMenu, &MenuView::itemClicked, this, [this](int i) { form_->bili1_Click(i); });
    imageMenu_ = new MenuView(QStringLiteral("图像(&T)"), form_->tuxiang1, this);
    imageMenu_->setSubmenu(ImageItem::Percent, percentMenu);
    connect(imageMenu_, &MenuView::itemClicked, this, [this](int i) { form_->tuxiang1_Click(i); });
    form_->showImageMenu.connect(this, [this] { imageMenu_->popup(QCursor::pos()); });
    labelMenus_[LabelSlot::Image] = [this](const QPoint& p) {
        form_->refreshImageMenu();
        imageMenu_->exec(p);
    };
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_T), this), &QShortcut::activated, this,
            [this] { form_->popupImageMenu(); });

    auto* backgroundMenu = new MenuView(QStringLiteral("背景图(&B)"), form_->beijing1, this);
    backgroundMenu->setEveryItemCheckable();
    connect(backgroundMenu, &MenuView::itemClicked, this,
            [this](int i) { form_->beijing1_Click(i); });
    optionsMenu_->setSubmenu(OptionsItem::Background, backgroundMenu);
    auto* startMenu = new MenuView(QStringLiteral("开始画面(&H)"), form_->huamian, this);
    startMenu->setEveryItemCheckable();
    connect(startMenu, &MenuView::itemClicked, this, [this](int i) { form_->huamian_Click(i); });
    optionsMenu_->setSubmenu(OptionsItem::StartPicture, startMenu);
}
