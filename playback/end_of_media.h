#pragma once

class Form1;

// The end-of-media step (shijian6), run by every dispatcher tick: when the
// main player's medium has ended, or the audio-CD track has run out, the
// next entry is played as the loop mode says.
class EndOfMedia {
public:
    explicit EndOfMedia(Form1& form) : form_(form) {}

    void shijian6();

private:
    bool cdTrackEnded();
    void playNext();

    Form1& form_;
};
