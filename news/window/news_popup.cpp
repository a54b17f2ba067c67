#include "news/window/news_popup.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWindow>

namespace {

constexpr int kHeaderPictures = 10;

// The pictures are drawn at twice their size, so they stay sharp on 2x screens.
QPixmap picture(const QString& path)
{
    QPixmap pixmap(path);
    pixmap.setDevicePixelRatio(2);
    return pixmap;
}

QLabel* placedLabel(QWidget* parent, const TwipsRect& place)
{
    auto* label = new QLabel(parent);
    label->setGeometry(place.toPixels());
    return label;
}

} // namespace

NewsPopup::NewsPopup(const QString& folder, const std::function<double()>& random)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("新闻资讯"));
    setAccessibleName(QStringLiteral("新闻资讯"));
    // A popup that rises by itself does not take the keyboard away.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(twipsToPixels(NewsPopupLayout::kWidth), twipsToPixels(NewsPopupLayout::kHeight));
    // Beside and without the background picture: its deep blue.
    QPalette face = palette();
    face.setColor(QPalette::Window, QColor(0x1d, 0x4e, 0x7a));
    setPalette(face);
    setAutoFillBackground(true);
    createControls(folder);
    Form_Load(folder, random);
}

void NewsPopup::createControls(const QString& folder)
{
    Picture2_ = placedLabel(this, NewsPopupLayout::kPicture2);
    Picture2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture2_->setPixmap(picture(QDir(folder).filePath(QStringLiteral("背景.png"))));

    Label2_ = placedLabel(Picture2_, NewsPopupLayout::kLabel2);
    Label2_->setText(QString::fromUtf8(NewsPopupLayout::kCaption));
    Label2_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Label2_->installEventFilter(this);

    Label1_ = placedLabel(Picture2_, NewsPopupLayout::kLabel1);
    Label1_->setAccessibleName(QStringLiteral("关闭"));
    Label1_->setToolTip(QStringLiteral("关闭"));
    Label1_->setCursor(Qt::PointingHandCursor);
    Label1_->installEventFilter(this);

    Picture1_ = placedLabel(Picture2_, NewsPopupLayout::kPicture1);
    Picture1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1_->setStyleSheet(QStringLiteral("background: white;"));
    Picture1_->setAccessibleName(QStringLiteral("新闻图片"));
    pane_ = new NewsPane(Picture1_);
    pane_->move(NewsPopupLayout::kWebBrowser1.toPixels().topLeft());
    const auto quiet = [this] { pane_->Silent = true; };
    connect(pane_, &NewsPane::DownloadBegin, this, quiet);
    connect(pane_, &NewsPane::DownloadComplete, this, quiet);
    connect(pane_, &NewsPane::NewWindow2, this,
            [this](const QUrl& address) { secondPane_.BeforeNavigate2(address); });
}

void NewsPopup::Form_Load(const QString& folder, const std::function<double()>& random)
{
    band_.reveal_step = 100;
    fade_pause = 0;
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &NewsPopup::Timer1_Timer);
    placeAtBottomRight();
    setMask(QRegion(band_.visible()));
    Timer1.start();
    pane_->resize(NewsPopupLayout::kWebBrowser1.toPixels().size());
    header_ = qBound(0, int(random() * kHeaderPictures), kHeaderPictures - 1);
    Picture1_->setPixmap(picture(QDir(folder).filePath(QStringLiteral("标题%1.png").arg(header_))));
    pane_->navigate(QUrl::fromLocalFile(QDir(folder).filePath(QStringLiteral("新闻.html"))));
}

// Right edge on the screen's right edge, bottom on the work area's bottom.
void NewsPopup::placeAtBottomRight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect whole = screen->geometry();
    const QRect work = screen->availableGeometry();
    const QPointF place = NewsPopupLayout::loadPosition(
        QSizeF(pixelsToTwips(whole.width()), pixelsToTwips(whole.height())),
        work.bottom() + 1 - whole.top());
    move(whole.topLeft() + QPoint(int(place.x() / kTwipsPerPixel), int(place.y() / kTwipsPerPixel)));
}

void NewsPopup::Timer1_Timer()
{
    const bool rising = band_.rise();
    setMask(QRegion(band_.visible()));
    if (!rising)
        Timer1.stop();
}

bool NewsPopup::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if ((watched != Label2_ || !press) && (watched != Label1_ || !release))
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return true;
    if (watched == Label2_) {
        // The window manager moves the window, as if its title bar were held.
        if (windowHandle())
            windowHandle()->startSystemMove();
    } else if (Label1_->rect().contains(mouse->position().toPoint())) {
        close();
    }
    return true;
}

// However the popup is closed, it fades out first.
void NewsPopup::closeEvent(QCloseEvent* event)
{
    if (faded_) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    fadeOut();
}

// Pending events are delivered between the steps, so the program goes on
// meanwhile; a close asked for again during the fade changes nothing.
void NewsPopup::fadeOut()
{
    if (fading_)
        return;
    fading_ = true;
    const QPointer<NewsPopup> self(this);
    for (int alpha : NewsPopupLayout::fadeAlphas()) {
        setWindowOpacity(alpha / 255.0);
        QCoreApplication::processEvents();
        if (!self)
            return;
        if (fade_pause > 0)
            QThread::msleep(fade_pause);
    }
    faded_ = true;
    hide();
    deleteLater();
}
