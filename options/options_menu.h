#pragma once

class Form1;

// The Options menu xuanxiang1 and its loop-mode submenu xunhuan1.
class OptionsMenu {
public:
    explicit OptionsMenu(Form1& form) : form_(form) {}

    // Items 1, 2 and 8 toggle their checks; item 2 also switches the
    // playlist's captions between file names and full paths; item 10 shows
    // or hides the floating toolbar; item 11 asks for the registration
    // window. The items that open other windows are handled by those
    // windows' features.
    void xuanxiang1_Click(int Index);
    // Checks loop mode 0, 1 or 2; "全部循环时禁止播放图片(&J)" is enabled only
    // with loop-all (0). Other indexes change nothing.
    void xunhuan1_Click(int Index);

private:
    void toggle(int index);
    void toggleToolbar();

    Form1& form_;
};
