#pragma once

class Form1;

// Mouse input on the picture Image1: dragging the zoomed picture with the
// left button, the cursors, the right-click menus and the double click.
// Button codes: 1 left, 2 right, 4 middle; x and y in twips in Image1.
class PictureMouse {
public:
    explicit PictureMouse(Form1& form) : form_(form) {}

    void Image1_DblClick();
    void Image1_MouseDown(int Button, int Shift, double x, double y);
    void Image1_MouseUp(int Button, int Shift, double x, double y);
    void Image1_MouseMove(int Button, int Shift, double x, double y);

private:
    void dragStep(double x, double y);
    bool zoomed() const;

    Form1& form_;
};
