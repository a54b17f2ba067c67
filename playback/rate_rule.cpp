#include "playback/rate_rule.h"

#include "core/flags.h"
#include "core/form1.h"

void applyRateRule(Form1& form)
{
    const Form1State& s = form.state;
    MediaPlayer& player = form.WindowsMediaPlayer1;
    if (player.imageSourceWidth().value_or(0) > 0 && s.varispeed_state == Flag::Selected)
        player.setRate(s.sudu_shu / 100 * (s.speed_x10_state == Flag::Selected ? 10 : 1));
    else
        player.setRate(1.0);
}
