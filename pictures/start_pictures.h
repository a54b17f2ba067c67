#pragma once

#include "core/folder_path.h"
#include "core/operation.h"

#include <QString>
#include <functional>

class ImageControl;
class MediaPlayer;
class MenuArray;
struct Form1State;

// What the start pictures work on and call.
struct StartPicturesParts {
    Form1State& state;
    MenuArray& huamian;
    MenuArray& xuanxiang1;
    ImageControl& Image1;
    ImageControl& Image2;
    MediaPlayer& WindowsMediaPlayer2;
    ProgramPathOf programPath;
    Operation<void()>& shijian2;
    Operation<void(int Index)>& huamian_Click;
};

// The start picture shown while no video is on screen (idle, audio and CD
// modes), chosen in Options ▸ 开始画面 (huamian) or at random. A file that
// loads as a picture is shown by Image1; one that does not (a video) is
// played by the second player WindowsMediaPlayer2 in the viewer frame.
class StartPictures {
public:
    explicit StartPictures(const StartPicturesParts& parts);

    // In a start-picture mode shows the chosen file, or the next one that
    // loads as a picture, wrapping around; otherwise only moves the check.
    void huamian_Click(int Index);
    // Shows the checked start picture, or one at random when
    // "随机开始画面(&S)" is checked. Does nothing without start pictures.
    void kaishihuamian();
    // Which control shows the start picture, at each refresh.
    void chooseStartPictureControl();

    // A random number in [0, 1); by default seeded from the time of day.
    std::function<double()> random;

private:
    StartPicturesParts parts_;
};
