#pragma once

#include "core/form1_state.h"
#include "core/menu_array.h"
#include "platform/media_player.h"
#include "platform/mci.h"
#include "platform/placed_control.h"
#include "platform/window_frame.h"

#include <QString>
#include <QTimer>

// The controls of the main window that the handlers drive. The real
// window supplies widget-backed ones; tests supply plain ones.
struct Form1Controls {
    MediaPlayer& WindowsMediaPlayer1; // main player
    MediaPlayer& WindowsMediaPlayer2; // start-picture player inside the frame
    PlacedControl& Picture1;          // viewer frame
    ImageControl& Image1;             // stretched picture inside the frame
    ImageControl& Image2;             // hidden natural-size picture
    LabelControl& ditiao;             // status line
    WindowFrame& window;
    Mci& mci;                         // audio-CD command device
};

// The main window as the handlers see it: its state record, its controls
// and menus, and the operations one feature calls in another. Each
// operation is virtual: the application's hub routes it to the feature
// that implements it, and a test can observe it.
class Form1 {
public:
    explicit Form1(const Form1Controls& controls);
    virtual ~Form1() = default;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    Form1State state;
    MenuArray kuaijiecaidan1; // shortcut menu
    QTimer Timer1;            // the 200 ms dispatcher

    MediaPlayer& WindowsMediaPlayer1;
    MediaPlayer& WindowsMediaPlayer2;
    PlacedControl& Picture1;
    ImageControl& Image1;
    ImageControl& Image2;
    LabelControl& ditiao;
    WindowFrame& window;
    Mci& mci;

    // The display refresh.
    virtual void shijian2() {}
    // The skin painter; repaints only after a change of the outer size.
    virtual void chengxutuxiang(const QString& text) { (void)text; }
    // Picks the control that shows the start picture (still or moving).
    virtual void chooseStartPictureControl() {}
    // Places the viewer frame: fitted, or by the zoom rules.
    virtual void fittedPlacement() {}
    virtual void windowHeightRule() {}
    virtual void zoomPlacement() {}
};
