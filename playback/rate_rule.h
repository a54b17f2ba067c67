#pragma once

class Form1;

// The main player's rate: the chosen speed while a video plays with
// variable speed on, else 1.0.
void applyRateRule(Form1& form);
