#include "audio/balance_rule.h"

#include "platform/media_player.h"

#include <cmath>

int balanceForStep(int step)
{
    return std::abs(step) != 5 ? step * 200 : step * 1000;
}

void applyBalanceRule(MediaPlayer& player, double balanceStep)
{
    player.setBalance(balanceForStep(int(balanceStep)));
}
