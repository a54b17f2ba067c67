#pragma once

#include "core/folder_path.h"
#include "core/operation.h"

#include <QString>
#include <array>
#include <functional>

class LabelControl;
class MediaPlayer;
class MenuArray;
class PanelImage;
struct Form1State;

// What the toggles work on: their switches in the state record, their
// pictures, the Audio menu's mute mark, the main player and the status
// line (for variable speed), and where a change goes out.
struct TogglesParts {
    Form1State& state;
    std::array<PanelImage, 3>& xuan;
    MenuArray& yinping1;
    MediaPlayer& WindowsMediaPlayer1;
    LabelControl& ditiao;
    ProgramPathOf programPath;
    Operation<void(int shu)>& rengong_kongzhi;
    Operation<void(int Index)>& xuan_Click;
};

// The slider panel's three toggles xuan: mute, variable speed and x10.
// Each flips its switch ("已选择" or "") and shows it on its picture.
class Toggles {
public:
    enum Toggle { Mute = 0, VariableSpeed = 1, TimesTen = 2 };

    explicit Toggles(const TogglesParts& parts) : parts_(parts) {}

    void xuan_Click(int Index);

    // Shows toggle Index's picture for the state of its switch.
    static void showPicture(const Form1State& state, std::array<PanelImage, 3>& xuan,
                            const ProgramPathOf& programPath, int Index);

private:
    void mute();
    void variableSpeed();
    bool flip(int Index);

    TogglesParts parts_;
};
