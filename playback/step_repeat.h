#pragma once

class Form1;

// The repeat of the progress step buttons (Timer3 tick): while a button is
// held, the position moves by 1 % of the length every 200 ms, never past
// the start or the end.
class StepRepeat {
public:
    explicit StepRepeat(Form1& form) : form_(form) {}

    void tick();

private:
    Form1& form_;
};
