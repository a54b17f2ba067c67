#pragma once

#include "pictures/picture_zoom.h"

class Dialogs;
class MenuArray;

// What the Image menu works on, the zoom's parts among them.
struct ImageMenuParts {
    Form1State& state;
    MenuArray& tuxiang1;
    ImageControl& Image1;
    Dialogs*& dialogs;
    Operation<void(int Index)>& kongzhi1_Click;
    Operation<void()>& showPrintPreview;
    PictureZoomParts zoom;
};

// The Image menu tuxiang1 and its percentage submenu bili1.
class ImageMenu {
public:
    explicit ImageMenu(const ImageMenuParts& parts) : parts_(parts), zoom_(parts.zoom) {}

    void tuxiang1_Click(int Index);
    void bili1_Click(int Index);
    // The enabled states: the zoom items with a picture shown, "恢复正常"
    // only in the zoom mode, the print preview only with a picture.
    void refreshStates();

private:
    ImageMenuParts parts_;
    PictureZoom zoom_;
};
