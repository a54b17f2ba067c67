#pragma once

class Form1;

// The Control menu kongzhi1 (play, pause, stop, forward, back) and its
// play-point submenu baifenbi. Each command works on what plays: a medium
// of the main player or an audio-CD track.
class Transport {
public:
    explicit Transport(Form1& form) : form_(form) {}

    void kongzhi1_Click(int Index);
    void baifenbi_Click(int Index);

private:
    void play();
    void pause();
    void stop();
    void forward();
    void back();
    void seek();
    bool askPlayPoint(double& percent);

    Form1& form_;
};
