#pragma once

class MenuArray;
struct Form1State;
template <typename Signature>
class Operation;

// The parts of the window the Options menu changes or calls.
struct OptionsMenuParts {
    MenuArray& xuanxiang1;
    MenuArray& xunhuan1;
    MenuArray& liebiao;
    Form1State& state;
    Operation<void()>& showRegistration;
    Operation<void()>& showFloatingToolbar;
    Operation<void()>& hideFloatingToolbar;
};

// The Options menu xuanxiang1 and its loop-mode submenu xunhuan1.
class OptionsMenu {
public:
    explicit OptionsMenu(const OptionsMenuParts& parts) : parts_(parts) {}

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

    OptionsMenuParts parts_;
};
