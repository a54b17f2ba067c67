#pragma once

#include "core/folder_path.h"
#include "core/operation.h"

#include <QString>
#include <functional>

class ImageControl;
class LabelControl;
class MenuArray;
class PlacedControl;
class WindowFrame;
struct Form1State;
struct MousePointerState;

// What the mouse on the picture works on and calls.
struct PictureMouseParts {
    Form1State& state;
    ImageControl& Image1;
    MousePointerState& Image1Pointer;
    PlacedControl& Picture1;
    LabelControl& ditiao;
    WindowFrame& window;
    MenuArray& tuxiang1;
    ProgramPathOf programPath;
    Operation<void()>& hoverReset;
    Operation<void()>& shijian2;
    Operation<void()>& popupImageMenu;
    Operation<void()>& popupShortcutMenu;
    Operation<void(int Index)>& kongzhi1_Click;
    Operation<void(int Index)>& tuxiang1_Click;
};

// Mouse input on the picture Image1: dragging the zoomed picture with the
// left button, the cursors, the right-click menus and the double click.
// Button codes: 1 left, 2 right, 4 middle; x and y in twips in Image1.
class PictureMouse {
public:
    explicit PictureMouse(const PictureMouseParts& parts) : parts_(parts) {}

    void Image1_DblClick();
    void Image1_MouseDown(int Button, int Shift, double x, double y);
    void Image1_MouseUp(int Button, int Shift, double x, double y);
    void Image1_MouseMove(int Button, int Shift, double x, double y);

private:
    void dragStep(double x, double y);
    bool zoomed() const;

    PictureMouseParts parts_;
};
