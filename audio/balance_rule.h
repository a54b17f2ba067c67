#pragma once

class MediaPlayer;

// The player's balance for a balance step -5 ... 5: steps of 200 up to
// ±4, and ±5 jumps to ±5000 (the far channel all but silent).
int balanceForStep(int step);

// Sends the balance of the given step to the player.
void applyBalanceRule(MediaPlayer& player, double balanceStep);
