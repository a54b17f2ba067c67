#pragma once

class Form1;

// rengong_kongzhi: where every manual change of volume and mute (0), speed
// (1), position (2) or balance (3) goes out, each ending in the display and
// status refreshes, which apply balance and rate.
class ManualControl {
public:
    enum Change { VolumeAndMute = 0, Speed = 1, Seek = 2, Balance = 3 };

    explicit ManualControl(Form1& form) : form_(form) {}

    void rengong_kongzhi(int shu);
    void readStartupVolume();

private:
    void speedFromKnob();
    void seek();

    Form1& form_;
};
