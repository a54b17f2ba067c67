#include "playback/rate_rule.h"

#include "core/flags.h"
#include "core/form1_state.h"
#include "platform/media_player.h"

void applyRateRule(const Form1State& state, MediaPlayer& player)
{
    if (player.imageSourceWidth().value_or(0) > 0 && state.varispeed_state == Flag::Selected)
        player.setRate(state.sudu_shu / 100 * (state.speed_x10_state == Flag::Selected ? 10 : 1));
    else
        player.setRate(1.0);
}
