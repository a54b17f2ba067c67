#include "window/splash_window.h"

#include "core/version.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QRandomGenerator>
#include <QScreen>
#include <utility>

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 280;

} // namespace

SplashWindow::SplashWindow(const QString& programDir, std::function<void()> showMainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    // The wait counts from here, not from when the picture has been read.
    Timer1.setInterval(100);
    Timer1.setSingleShot(true);
    QObject::connect(&Timer1, &QTimer::timeout, this, std::move(showMainWindow));
    Timer1.start();

    setWindowTitle(appCaption());
    setFixedSize(kWidth, kHeight);
    setStyleSheet(QStringLiteral("background: #1d2b3a;"));

    const int k = QRandomGenerator::global()->bounded(1, 6);
    pictureFile_ = QDir(programDir).filePath(QStringLiteral("TUBIAO/QIDONGTU/%1.jpg").arg(k));
    Image3 = new QLabel(this);
    Image3->setGeometry(-4, -4, kWidth + 4, kHeight + 4);
    Image3->setScaledContents(true);
    Image3->setPixmap(QPixmap(pictureFile_)); // a missing picture leaves it empty

    Label1 = new QLabel(QStringLiteral("正在启动,请稍侯..."), this);
    Label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Label1->setGeometry(16, kHeight - 36, kWidth - 32, 24);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (whenDrawn_)
        QTimer::singleShot(0, this, std::exchange(whenDrawn_, nullptr));
}
