#pragma once

#include "core/operation.h"

class MenuArray;
struct Form1State;

// What the Audio menu works on: the volume and mute in the state record,
// its two menus, and where the values go out.
struct AudioMenuParts {
    Form1State& state;
    MenuArray& yinping1;
    MenuArray& yinliang1;
    Operation<void(int shu)>& rengong_kongzhi;
    Operation<void(int Index)>& xuan_Click;
};

// The Audio menu yinping1 (mute switch, volume up and down) and its volume
// presets yinliang1. Every choice sends volume and mute out.
class AudioMenu {
public:
    explicit AudioMenu(const AudioMenuParts& parts) : parts_(parts) {}

    void yinping1_Click(int Index);
    void yinliang1_Click(int Index);

private:
    void muteSwitch();

    AudioMenuParts parts_;
};
