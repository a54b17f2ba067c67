#pragma once

class Form1;

// The Audio menu yinping1 (mute switch, volume up and down) and its volume
// presets yinliang1. Every choice sends volume and mute out.
class AudioMenu {
public:
    explicit AudioMenu(Form1& form) : form_(form) {}

    void yinping1_Click(int Index);
    void yinliang1_Click(int Index);

private:
    void muteSwitch();

    Form1& form_;
};
