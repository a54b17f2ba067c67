#include "playback/step_repeat.h"

#include "core/form1_state.h"
#include "playback/numeric_value.h"

void StepRepeat::tick()
{
    Form1State& s = state_;
    if (s.step_direction.isEmpty())
        return;
    const double direction = numericValue(s.step_direction);
    if (direction == 0)
        s.position_ms = qMax(0.0, s.position_ms - s.length_ms / 100);
    else if (direction == 1)
        s.position_ms = qMin(s.length_ms, s.position_ms + s.length_ms / 100);
    rengong_kongzhi_(2);
}
