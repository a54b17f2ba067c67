#pragma once

class LabelControl;
class Mci;
struct Form1State;

// Seeks the audio CD to position_ms within the current track cd_track:
// the target is the lengths of the tracks before it plus position_ms, in
// milliseconds from the start of the disc. While the status line ditiao
// says playing, the disc plays on from there ("play cd from"), else it
// only moves there ("seek cd to").
void seekCd(Form1State& state, Mci& mci, const LabelControl& ditiao);
