#pragma once

#include "pictures/picture_zoom.h"

class Form1;

// The Image menu tuxiang1 and its percentage submenu bili1.
class ImageMenu {
public:
    explicit ImageMenu(Form1& form) : form_(form), zoom_(form) {}

    void tuxiang1_Click(int Index);
    void bili1_Click(int Index);
    // The enabled states: the zoom items with a picture shown, "恢复正常"
    // only in the zoom mode, the print preview only with a picture.
    void refreshStates();

private:
    Form1& form_;
    PictureZoom zoom_;
};
