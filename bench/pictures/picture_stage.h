#pragma once

#include "wiring/main_form.h"
#include "doubles/fake_media_player.h"
#include "doubles/fake_window_frame.h"
#include "pictures/window/picture_view.h"
#include "platform/no_drive_mci.h"

#include <QWidget>
#include <memory>

// The main window's picture on screen: a window of the designed client
// size (800 x 560 pixels) holding the viewer frame and its picture, driven
// by the hub's handlers as in the program.
struct PictureStage {
    PictureStage();

    // Milliseconds to paint the whole picture widget once.
    double repaint();
    // Keeps the window the size the handlers gave it.
    void followWindowSize();

    QWidget window;
    QWidget* frame = nullptr;
    PictureView* view = nullptr;
    FakeMediaPlayer player1;
    FakeMediaPlayer player2;
    std::unique_ptr<PictureFrameControl> picture1;
    std::unique_ptr<PictureViewControl> image1;
    ImageControl image2;
    LabelControl ditiao;
    FakeWindowFrame frameModel;
    NoDriveMci mci;
    std::unique_ptr<MainForm> form;
};

// The peak resident memory of this process, in megabytes.
double peakMegabytes();
