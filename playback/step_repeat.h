#pragma once

#include "core/operation.h"

struct Form1State;

// The repeat of the progress step buttons (Timer3 tick): while a button is
// held, the position moves by 1 % of the length every 200 ms, never past
// the start or the end.
class StepRepeat {
public:
    StepRepeat(Form1State& state, Operation<void(int shu)>& rengong_kongzhi)
        : state_(state), rengong_kongzhi_(rengong_kongzhi)
    {
    }

    void tick();

private:
    Form1State& state_;
    Operation<void(int shu)>& rengong_kongzhi_;
};
