#pragma once

#include "core/content_area.h"

class Form1;

// The display refresh: brings the players, the viewer frame, two items of
// the shortcut menu and the window's size into line with the display mode.
// Runs on every dispatcher tick and after every change of what is shown.
class DisplayRefresh {
public:
    explicit DisplayRefresh(Form1& form) : form_(form) {}

    void run();

private:
    void updateSaveAsItem();
    void updateFullScreenItem();
    void showPlayersForMode();
    ContentArea computeArea();
    void placeVideo(ContentArea area);
    void finalSizing();

    Form1& form_;
};
