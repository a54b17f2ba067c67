#pragma once

class MediaPlayer;
struct Form1State;

// The main player's rate: the chosen speed while a video plays with
// variable speed on, else 1.0.
void applyRateRule(const Form1State& state, MediaPlayer& player);
