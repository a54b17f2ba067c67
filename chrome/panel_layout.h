#pragma once

#include <array>

class LabelControl;
class PanelImage;
class PanelLabel;
class WindowFrame;
struct Form1State;

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
Limits limits(const Form1State& s, const std::array<PanelImage, 3>& xuan);

// Places every panel control (and the status line's Top) from the client
// size and top_offset. The knobs keep the coordinate placeKnobs() gives.
// The panel's controls and what their places follow.
struct PanelLayoutParts {
    const Form1State& state;
    const WindowFrame& window;
    std::array<PanelImage, 10>& jingdutiao;
    std::array<PanelImage, 4>& huakuai;
    std::array<PanelImage, 3>& xuan;
    std::array<PanelImage, 2>& shang_xia;
    PanelLabel& Lab_biaoji;
    PanelLabel& Label3;
    LabelControl& ditiao;
};
void layOut(const PanelLayoutParts& parts);
// Places each knob where its value puts it; a value that cannot be placed
// (a medium of no length) leaves that knob where it is.
void placeKnobs(const Form1State& s, std::array<PanelImage, 4>& huakuai,
                const std::array<PanelImage, 3>& xuan);

} // namespace PanelLayout
