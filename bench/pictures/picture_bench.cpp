// Picture benchmark: a large JPEG is loaded and shown fitted, zoomed x2
// eight times and panned by dragging, as the program does it. Prints the
// time of each repaint (target: 16 ms at most at any zoom) and the peak
// memory of the process. Each picture is shown by a process of its own,
// so that its peak memory is its own; a 24-megapixel and a 100-megapixel
// picture are measured.
//
//   xy_picture_bench                       (offscreen unless QT_QPA_PLATFORM is set)
//   xy_picture_bench --make FILE W H       (writes a W x H test JPEG)
//   xy_picture_bench --show FILE           (measures one picture)

#include "picture_stage.h"

#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "pictures/picture_file.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kTargetMs = 16;

// A photograph-like picture: smooth shading with fine detail, so that
// the decoder has real work to do.
bool makeJpeg(const QString& path, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb((x * 255 / w) ^ (y & 15), (y * 255 / h), ((x + y) * 7) & 255);
    }
    QPainter painter(&image);
    painter.setPen(QPen(Qt::white, w / 400.0));
    for (int i = 0; i < 40; ++i)
        painter.drawEllipse(QPointF(w / 2.0, h / 2.0), w * i / 80.0, h * i / 80.0);
    painter.end();
    return image.save(path, "jpg", 90);
}

double timed(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// The slowest of five repaints.
double worstRepaint(PictureStage& stage)
{
    double worst = 0;
    for (int i = 0; i < 5; ++i)
        worst = std::max(worst, stage.repaint());
    return worst;
}

int show(const QString& path)
{
    PictureStage stage;
    MainForm& form = *stage.form;
    double load = timed([&] { PictureFile::loadInto(stage.image2, path); });
    if (stage.image2.picture().isNull()) {
        std::printf("  %s: not loaded\n", qPrintable(path));
        return 1;
    }
    std::printf("  picture %d x %d, loaded in %.0f ms\n", qRound(stage.image2.width() / 15),
                qRound(stage.image2.height() / 15), load);
    form.state.display_mode = DisplayMode::Picture;
    const double shown = timed([&] { form.shijian2(); stage.followWindowSize(); });
    std::printf("  fitted layout (with reduced copies made): %.0f ms\n", shown);

    double worst = worstRepaint(stage);
    std::printf("  repaint fitted:        %6.2f ms\n", worst);
    for (int step = 1; step <= 8; ++step) {
        form.tuxiang1_Click(ImageItem::ZoomIn);
        stage.followWindowSize();
        const double ms = worstRepaint(stage);
        worst = std::max(worst, ms);
        std::printf("  repaint zoom x%-4d     %6.2f ms  (frame %.0f x %.0f px)\n", 1 << step, ms,
                    stage.picture1->width() / 15, stage.picture1->height() / 15);
    }
    // Far beyond what a widget could be: 2^30 times the fitted size.
    for (int step = 9; step <= 30; ++step)
        form.tuxiang1_Click(ImageItem::ZoomIn);
    const double deep = worstRepaint(stage);
    worst = std::max(worst, deep);
    std::printf("  repaint zoom x2^30     %6.2f ms  (frame %.3g px wide)\n", deep,
                stage.picture1->width() / 15);
    // Pan: press in the middle and drag left and up in steps of 20 pixels.
    const double x = -stage.picture1->left() + 6000;
    const double y = -stage.picture1->top() + 4000;
    form.Image1_MouseDown(1, 0, x, y);
    double panWorst = 0;
    for (int i = 1; i <= 30; ++i) {
        form.Image1_MouseMove(1, 0, x - 300 * i, y - 300 * i);
        panWorst = std::max(panWorst, stage.repaint());
    }
    form.Image1_MouseUp(1, 0, x, y);
    worst = std::max(worst, panWorst);
    std::printf("  repaint while panning: %6.2f ms (slowest of 30 drag steps)\n", panWorst);
    std::printf("  slowest repaint %.2f ms (target %.0f ms): %s\n", worst, kTargetMs,
                worst <= kTargetMs ? "met" : "MISSED");
    std::printf("  peak memory %.0f MB\n", peakMegabytes());
    return 0;
}

int run(const QString& self, int w, int h, const QString& path)
{
    std::printf("%d-megapixel JPEG (%d x %d):\n", int(qint64(w) * h / 1000000), w, h);
    std::fflush(stdout);
    if (QProcess::execute(self, {"--make", path, QString::number(w), QString::number(h)}) != 0)
        return 1;
    QProcess shower;
    shower.setProcessChannelMode(QProcess::ForwardedChannels);
    shower.start(self, {"--show", path});
    shower.waitForFinished(-1);
    QFile::remove(path);
    return shower.exitCode();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == "--make")
        return makeJpeg(args.at(2), args.at(3).toInt(), args.at(4).toInt()) ? 0 : 1;
    if (args.size() == 3 && args.at(1) == "--show")
        return show(args.at(2));

    std::printf("Picture viewer: load, fit, zoom x2 eight times, pan\n");
    QTemporaryDir dir;
    int status = run(app.applicationFilePath(), 6000, 4000, dir.filePath("24mp.jpg"));
    status |= run(app.applicationFilePath(), 10000, 10000, dir.filePath("100mp.jpg"));
    return status;
}
