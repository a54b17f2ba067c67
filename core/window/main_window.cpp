#include "core/window/main_window.h"

#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "core/version.h"
#include "chrome/form_resize.h"
#include "chrome/window/label_bar_view.h"
#include "core/window/list_menu_popup.h"
#include "core/window/menu_view.h"
#include "pictures/window/picture_input.h"
#include "platform/desktop_system_volume.h"
#include "platform/mpv_media_player.h"
#include "platform/no_drive_mci.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QMimeData>
#include <QScreen>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace {

// The window was designed with a client area of 12000 x 8400 twips.
constexpr int kDesignedClientWidth = 800;
constexpr int kDesignedClientHeight = 560;

} // namespace

MainWindow::MainWindow()
{
    setWindowTitle(appCaption());
    setAccessibleName(appCaption());
    resize(kDesignedClientWidth, kDesignedClientHeight);
    createControls();

    setAcceptDrops(true);
    form_->WindowsMediaPlayer1.setEnableContextMenu(false);
    // exit(), not quit(): quit() would ask the windows to close again.
    form_->quit = [] { QCoreApplication::exit(0); };
    // A desktop logout ends the program without a close request: keep
    // what the user built all the same.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { form_->cunchuxuanxiang(); });
}

void MainWindow::load(const QStringList& arguments, const QPoint& where)
{
    form_->setCommandLine(arguments, QDir::currentPath());
    // Where the splash was, but wholly on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(qBound(screen.left(), where.x(), qMax(screen.left(), screen.right() - QWidget::width())),
         qBound(screen.top(), where.y(), qMax(screen.top(), screen.bottom() - QWidget::height())));
    show();
    form_->formLoad();
    form_->Timer1.start();
    activateWindow();
}

MainWindow::~MainWindow()
{
    form_->Timer1.stop();
}

void MainWindow::createControls()
{
    player1_ = std::make_unique<MpvMediaPlayer>(this);
    player1_->setTop(20000);
    player1_->setVisible(false);

    auto* frame = new QWidget(this);
    frame->setAccessibleName(QStringLiteral("图片"));
    // Moves over the bare frame reach the window's hover reset.
    frame->setMouseTracking(true);
    picture1_ = std::make_unique<PictureFrameControl>(frame);
    player2_ = std::make_unique<MpvMediaPlayer>(frame);
    auto* image1 = new PictureView(frame);
    image1->setAccessibleName(QStringLiteral("图片"));
    image1_ = std::make_unique<PictureViewControl>(image1, *picture1_);
    image2_ = std::make_unique<ImageControl>();

    // A screen reader reads the status line's own text as its name.
    auto* status = new QLabel(this);
    ditiao_ = std::make_unique<WidgetLabel>(status);

    mci_ = std::make_unique<NoDriveMci>();
    form_ = std::make_unique<MainForm>(Form1Controls{
        *player1_, *player2_, *picture1_, *image1_, *image2_, *ditiao_, frame_, *mci_});
    new PictureInput(image1, *form_);

    // The system's volume: the sound server's default sink, or ALSA's "Master".
    systemVolume_ = std::make_unique<DesktopSystemVolume>();
    form_->systemVolume = systemVolume_.get();
    dialogs_ = std::make_unique<QtDialogs>(this);
    form_->dialogs = dialogs_.get();
    shortcutMenu_ = new MenuView(QStringLiteral("快捷(&K)"), form_->kuaijiecaidan1, this);
    connect(shortcutMenu_, &MenuView::itemClicked, this,
            [this](int i) { form_->kuaijiecaidan1_Click(i); });
    form_->showShortcutMenu = [this] { shortcutMenu_->popup(QCursor::pos()); };
    createPlaylistMenus();
    createImageMenu();
    createAudioMenu();
    createFileMenus();
    createHelpMenu();
    placeStatusLine();
    form_->skinPainter.surfaceChanged = [this] { update(); };
    createLabelBar();
    createSliderPanel();
    createOpenFileDialog();
}

// The label menu bar pops up the same menus as the Alt keys.
void MainWindow::createLabelBar()
{
    setMouseTracking(true);
    new LabelBarView(form_->menuBar, this);
    form_->menuBar.popupMenu = [this](int index, QPointF at) {
        if (labelMenus_[index])
            labelMenus_[index](mapToGlobal(TwipsRect{at.x(), at.y(), 0, 0}.toPixels().topLeft()));
    };
    form_->menuBar.popupSortMenu = [this] { sortMenu_->exec(QCursor::pos()); };
}

void MainWindow::createPlaylistMenus()
{
    listMenu_ = new ListMenuPopup(form_->liebiao, this);
    connect(listMenu_, &ListMenuPopup::itemClicked, this, [this](int i) { form_->liebiao_Click(i); });
    sortMenu_ = new MenuView(QStringLiteral("排序"), form_->paixu1, this);
    connect(sortMenu_, &MenuView::itemClicked, this, [this](int i) { form_->paixu1_Click(i); });
    auto* loopMenu = new MenuView(QStringLiteral("循环播放(&X)"), form_->xunhuan1, this);
    connect(loopMenu, &MenuView::itemClicked, this, [this](int i) { form_->xunhuan1_Click(i); });
    optionsMenu_ = new MenuView(QStringLiteral("选项(&X)"), form_->xuanxiang1, this);
    optionsMenu_->setSubmenu(OptionsItem::Loop, loopMenu);
    connect(optionsMenu_, &MenuView::itemClicked, this,
            [this](int i) { form_->xuanxiang1_Click(i); });
    // Until the label menu bar pops them up: Alt+L list, Alt+P sort, Alt+X options.
    const auto popupOn = [this](QKeyCombination keys, auto* menu) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this,
                [menu] { menu->popup(QCursor::pos()); });
    };
    popupOn(Qt::ALT | Qt::Key_L, listMenu_);
    popupOn(Qt::ALT | Qt::Key_P, sortMenu_);
    popupOn(Qt::ALT | Qt::Key_X, optionsMenu_);
    labelMenus_[4] = [this](const QPoint& p) { optionsMenu_->exec(p); };
    labelMenus_[5] = [this](const QPoint& p) { listMenu_->popup(p); };

    auto* pointMenu = new MenuView(QStringLiteral("选择播放点(&Z)"), form_->baifenbi, this);
    connect(pointMenu, &MenuView::itemClicked, this, [this](int i) { form_->baifenbi_Click(i); });
    auto* controlMenu = new MenuView(QStringLiteral("控制(&C)"), form_->kongzhi1, this);
    controlMenu->setSubmenu(ControlItem::PlayPoints, pointMenu);
    connect(controlMenu, &MenuView::itemClicked, this, [this](int i) { form_->kongzhi1_Click(i); });
    popupOn(Qt::ALT | Qt::Key_C, controlMenu);
    labelMenus_[1] = [controlMenu](const QPoint& p) { controlMenu->exec(p); };
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeStatusLine();
    form_->skinPainter.devicePixelRatio = devicePixelRatioF();
    formResize(*form_);
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        formResize(*form_);
}

// The skin painter's background lies beneath all controls.
void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, form_->skinPainter.surface());
}

// The Audio menu and its volume presets; until the label menu bar pops it
// up, Alt+A does.
void MainWindow::createAudioMenu()
{
    auto* volumeMenu = new MenuView(QStringLiteral("音量(&A)"), form_->yinliang1, this);
    connect(volumeMenu, &MenuView::itemClicked, this, [this](int i) { form_->yinliang1_Click(i); });
    // The volume item is clicked as its submenu opens.
    connect(volumeMenu, &QMenu::aboutToShow, this,
            [this] { form_->yinping1_Click(AudioItem::Volume); });
    auto* audioMenu = new MenuView(QStringLiteral("音频(&A)"), form_->yinping1, this);
    audioMenu->setSubmenu(AudioItem::Volume, volumeMenu);
    connect(audioMenu, &MenuView::itemClicked, this, [this](int i) { form_->yinping1_Click(i); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_A), this), &QShortcut::activated, this,
            [audioMenu] { audioMenu->popup(QCursor::pos()); });
    labelMenus_[2] = [audioMenu](const QPoint& p) { audioMenu->exec(p); };
}

// The Image menu with its percentage submenu, and the Options submenus of
// backgrounds and start pictures. Until the label menu bar pops it up,
// Alt+T shows the Image menu.
void MainWindow::createImageMenu()
{
    auto* percentMenu = new MenuView(QStringLiteral("按比例(&A)"), form_->bili1, this);
    connect(percentMenu, &MenuView::itemClicked, this, [this](int i) { form_->bili1_Click(i); });
    imageMenu_ = new MenuView(QStringLiteral("图像(&T)"), form_->tuxiang1, this);
    imageMenu_->setSubmenu(ImageItem::Percent, percentMenu);
    connect(imageMenu_, &MenuView::itemClicked, this, [this](int i) { form_->tuxiang1_Click(i); });
    form_->showImageMenu = [this] { imageMenu_->popup(QCursor::pos()); };
    labelMenus_[3] = [this](const QPoint& p) {
        form_->refreshImageMenu();
        imageMenu_->exec(p);
    };
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_T), this), &QShortcut::activated, this,
            [this] { form_->popupImageMenu(); });

    auto* backgroundMenu = new MenuView(QStringLiteral("背景图(&B)"), form_->beijing1, this);
    connect(backgroundMenu, &MenuView::itemClicked, this,
            [this](int i) { form_->beijing1_Click(i); });
    optionsMenu_->setSubmenu(OptionsItem::Background, backgroundMenu);
    auto* startMenu = new MenuView(QStringLiteral("开始画面(&H)"), form_->huamian, this);
    connect(startMenu, &MenuView::itemClicked, this, [this](int i) { form_->huamian_Click(i); });
    optionsMenu_->setSubmenu(OptionsItem::StartPicture, startMenu);
}

// The status line runs along the foot of the window.
void MainWindow::placeStatusLine()
{
    if (!ditiao_)
        return;
    ditiao_->setPlace({180, frame_.scaleHeight() - 320, frame_.scaleWidth() - 360, 270});
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The window stays until the end timer ends the program.
    event->ignore();
    form_->formUnload();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    event->acceptProposedAction();
    form_->dropFiles(paths);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        shortcutMenu_->popup(event->globalPosition().toPoint());
    QWidget::mouseReleaseEvent(event);
}

// Over the window's background: the hover reset.
void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    form_->hoverReset();
    QWidget::mouseMoveEvent(event);
}
