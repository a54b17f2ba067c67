#include "window/main_window.h"

#include "core/content_area.h"
#include "core/display_mode.h"
#include "core/event_delivery.h"
#include "core/flags.h"
#include "core/version.h"
#include "desktop/mpris_service.h"
#include "chrome/form_resize.h"
#include "chrome/window/desktop_tray_icon.h"
#include "chrome/window/floating_toolbar_view.h"
#include "chrome/window/widget_main_window_control.h"
#include "chrome/window/label_bar_view.h"
#include "window/menu_view.h"
#include "pictures/window/picture_input.h"
#include "pictures/window/qt_picture_printer.h"
#include "platform/desktop_system_volume.h"
#include "platform/lazy_media_player.h"
#include "platform/mpv_media_player.h"
#include "platform/cd/cdaudio_mci.h"
#include "news/window/news_popup_host.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QMimeData>
#include <QScreen>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

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
    form_->quit.connect(this, [] { QCoreApplication::exit(0); });
}

void MainWindow::load(const QStringList& arguments, const QPoint& where)
{
    // A desktop logout ends the program without a close request: keep
    // what the user built all the same (from the load on; before it the
    // window holds nothing of the user's).
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { form_->cunchuxuanxiang(); });
    form_->setCommandLine(arguments, QDir::currentPath());
    // The whole start sequence runs before the window appears, so it shows
    // at once in the size and place the load gave it.
    form_->formLoad();
    // Where the splash was, but wholly on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(qBound(screen.left(), where.x(), qMax(screen.left(), screen.right() - QWidget::width())),
         qBound(screen.top(), where.y(), qMax(screen.top(), screen.bottom() - QWidget::height())));
    // A close asked for during the load has already stored everything.
    if (form_->state.closing == Flag::Closing)
        return;
    show();
    form_->Timer1.start();
    form_->Timer_tan.start();
    activateWindow();
    // Off the way to the first picture: the bus round trips wait a turn.
    QTimer::singleShot(0, this, &MainWindow::startMediaInterface);
}

void MainWindow::startMediaInterface()
{
    auto raise = [this] {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        QWidget::raise();
        activateWindow();
    };
    mpris_ = std::make_unique<MprisService>(*form_, raise);
    if (!mpris_->start())
        mpris_.reset();
}

MainWindow::~MainWindow()
{
    form_->Timer1.stop();
    form_->Timer3.stop();
    form_->Timer_end.stop();
    form_->Timer_tan.stop();
    removeToolbarAndTray();
    // The widgets show the model and hand input to it, so they go before
    // it; the controls and players only hold guarded pointers to them.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void MainWindow::createControls()
{
    player1_ = std::make_unique<MpvMediaPlayer>(this);
    player1_->setTop(kParkedTop);
    player1_->setVisible(false);

    auto* frame = new QWidget(this);
    frame->setAccessibleName(QStringLiteral("图片"));
    // Moves over the bare frame reach the window's hover reset.
    frame->setMouseTracking(true);
    picture1_ = std::make_unique<PictureFrameControl>(frame);
    // The start picture's player is made when a start picture needs it.
    player2_ = std::make_unique<LazyMediaPlayer>([frame] {
        auto player = std::make_unique<MpvMediaPlayer>(frame);
        // Beneath the picture, as if it had been there from the start.
        player->videoWidget()->lower();
        return player;
    });
    auto* image1 = new PictureView(frame);
    image1->setAccessibleName(QStringLiteral("图片"));
    image1_ = std::make_unique<PictureViewControl>(image1, *picture1_);
    image2_ = std::make_unique<ImageControl>();

    // A screen reader reads the status line's own text as its name.
    auto* status = new QLabel(this);
    ditiao_ = std::make_unique<WidgetLabel>(status);

    // The CD device's waits for the drive are the window's own event delivery.
    mci_ = std::make_unique<CdaudioMci>([](int timeoutMs, const std::function<bool()>& done) {
        const EventDelivery::InsideHandler inside;
        return CdaudioMci::eventLoopWait(timeoutMs, done);
    });
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
    form_->showShortcutMenu.connect(this, [this] { shortcutMenu_->popup(QCursor::pos()); });
    createPlaylistMenus();
    createImageMenu();
    createAudioMenu();
    createFileMenus();
    createHelpMenu();
    new NewsPopupHost(*form_, form_->helpMenu, form_->newsScheduler, this);
    placeStatusLine();
    form_->skinPainter.surfaceChanged.connect(this, [this] { update(); });
    createLabelBar();
    createSliderPanel();
    createOpenFileDialog();
    createPrintPreview();
    createToolbarAndTray();
    createRegistration();
}

// The label menu bar pops up the same menus as the Alt keys.
void MainWindow::createLabelBar()
{
    setMouseTracking(true);
    new LabelBarView(form_->menuBar, this);
    form_->menuBar.popupMenu.connect(this, [this](int index, QPointF at) {
        if (labelMenus_[index])
            labelMenus_[index](mapToGlobal(TwipsRect{at.x(), at.y(), 0, 0}.toPixels().topLeft()));
    });
    form_->menuBar.popupSortMenu.connect(this, [this] { sortMenu_->exec(QCursor::pos()); });
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

// The status line runs along the foot of the window.
void MainWindow::placeStatusLine()
{
    if (!ditiao_)
        return;
    ditiao_->setPlace({180, frame_.scaleHeight() - 280, frame_.scaleWidth() - 360, 270});
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
