#pragma once

class Form1;

// Where the slider panel's controls sit: the layout that follows the
// window's size and top_offset, and the knobs that follow the values.
namespace PanelLayout {

// The range a knob can take: Top of the vertical knobs, Left of the balance knob.
struct Limits {
    double trackTop = 0;
    double trackBottom = 0;
    double balanceLeft = 0;
    double balanceRight = 0;
};
Limits limits(const Form1& form);

// Places every panel control (and the status line's Top) from the client
// size and top_offset. The knobs keep the coordinate placeKnobs() gives.
void layOut(Form1& form);
// Places each knob where its value puts it; a value that cannot be placed
// (a medium of no length) leaves that knob where it is.
void placeKnobs(Form1& form);

} // namespace PanelLayout
