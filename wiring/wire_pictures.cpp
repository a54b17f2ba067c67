#include "wiring/main_form.h"

#include "pictures/picture_menus.h"

// The picture viewer, zoom and pan, start and background pictures.
void MainForm::wirePictures()
{
    chooseStartPictureControl = [this] { startPictures_.chooseStartPictureControl(); };
    kaishihuamian = [this] { startPictures_.kaishihuamian(); };
    huamian_Click = [this](int Index) { startPictures_.huamian_Click(Index); };
    fittedPlacement = [this] { picturePlacement_.fittedPlacement(); };
    windowHeightRule = [this] { picturePlacement_.windowHeightRule(); };
    zoomPlacement = [this] { picturePlacement_.zoomPlacement(); };
    buildPictureMenus = [this] { PictureMenus::build(huamian, beijing1, [this](const QString& relative) { return programPath(relative); }); };
    beijing1_Click = [this](int Index) { backgrounds_.beijing1_Click(Index); };
    zoomCarryOver = [this](double r) { pictureZoom_.carryOver(r); };
    tuxiang1_Click = [this](int Index) { imageMenu_.tuxiang1_Click(Index); };
    bili1_Click = [this](int Index) { imageMenu_.bili1_Click(Index); };
    refreshImageMenu = [this] { imageMenu_.refreshStates(); };
    popupImageMenu = [this] {
        imageMenu_.refreshStates();
        if (showImageMenu)
            showImageMenu();
    };
    Image1_DblClick = [this] { pictureMouse_.Image1_DblClick(); };
    Image1_MouseDown = [this](int Button, int Shift, double x, double y) {
        pictureMouse_.Image1_MouseDown(Button, Shift, x, y);
    };
    Image1_MouseUp = [this](int Button, int Shift, double x, double y) {
        pictureMouse_.Image1_MouseUp(Button, Shift, x, y);
    };
    Image1_MouseMove = [this](int Button, int Shift, double x, double y) {
        pictureMouse_.Image1_MouseMove(Button, Shift, x, y);
    };
}
