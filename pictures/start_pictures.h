#pragma once

#include <functional>

class Form1;

// The start picture shown while no video is on screen (idle, audio and CD
// modes), chosen in Options ▸ 开始画面 (huamian) or at random. A file that
// loads as a picture is shown by Image1; one that does not (a video) is
// played by the second player WindowsMediaPlayer2 in the viewer frame.
class StartPictures {
public:
    explicit StartPictures(Form1& form);

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
    Form1& form_;
};
