#pragma once

class Form1;

// The slider panel's three toggles xuan: mute, variable speed and x10.
// Each flips its switch ("已选择" or "") and shows it on its picture.
class Toggles {
public:
    enum Toggle { Mute = 0, VariableSpeed = 1, TimesTen = 2 };

    explicit Toggles(Form1& form) : form_(form) {}

    void xuan_Click(int Index);

    // Shows toggle Index's picture for the state of its switch.
    static void showPicture(Form1& form, int Index);

private:
    void mute();
    void variableSpeed();

    Form1& form_;
};
