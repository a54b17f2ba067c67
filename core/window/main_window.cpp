#include "core/window/main_window.h"

#include "core/display_mode.h"
#include "core/version.h"
#include "core/window/menu_view.h"
#include "platform/mpv_media_player.h"
#include "platform/no_drive_mci.h"

#include <QMouseEvent>

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

    form_->state.standard_height = frame_.height() - 260;
    form_->WindowsMediaPlayer1.setEnableContextMenu(false);
    connect(&form_->Timer1, &QTimer::timeout, this, [this] { form_->shijian2(); });
    form_->Timer1.start();
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
    picture1_ = std::make_unique<WidgetControl>(frame);
    player2_ = std::make_unique<MpvMediaPlayer>(frame);
    auto* image1 = new StretchedImageView(frame);
    image1->setAccessibleName(QStringLiteral("图片"));
    image1_ = std::make_unique<WidgetImage>(image1);
    image2_ = std::make_unique<ImageControl>();

    // A screen reader reads the status line's own text as its name.
    auto* status = new QLabel(this);
    ditiao_ = std::make_unique<WidgetLabel>(status);

    mci_ = std::make_unique<NoDriveMci>();
    form_ = std::make_unique<MainForm>(Form1Controls{
        *player1_, *player2_, *picture1_, *image1_, *image2_, *ditiao_, frame_, *mci_});

    shortcutMenu_ = new MenuView(QStringLiteral("快捷(&K)"), form_->kuaijiecaidan1, this);
    placeStatusLine();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeStatusLine();
}

// The status line runs along the foot of the window.
void MainWindow::placeStatusLine()
{
    if (!ditiao_)
        return;
    ditiao_->setPlace({180, frame_.scaleHeight() - 320, frame_.scaleWidth() - 360, 270});
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        shortcutMenu_->popup(event->globalPosition().toPoint());
    QWidget::mouseReleaseEvent(event);
}
