#include "picture_stage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <sys/resource.h>

PictureStage::PictureStage()
{
    frame = new QWidget(&window);
    view = new PictureView(frame);
    picture1 = std::make_unique<PictureFrameControl>(frame);
    image1 = std::make_unique<PictureViewControl>(view, *picture1);
    form = std::make_unique<MainForm>(
        Form1Controls{player1, player2, *picture1, *image1, image2, ditiao, frameModel, mci});
    form->state.standard_height = frameModel.height() - 260;
    followWindowSize();
    window.show();
    QCoreApplication::processEvents();
}

void PictureStage::followWindowSize()
{
    window.resize(twipsToPixels(frameModel.scaleWidth()), twipsToPixels(frameModel.scaleHeight()));
}

double PictureStage::repaint()
{
    QElapsedTimer timer;
    timer.start();
    view->repaint();
    return timer.nsecsElapsed() / 1e6;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}
