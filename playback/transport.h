#pragma once

#include "core/operation.h"

class Dialogs;
class LabelControl;
class MediaPlayer;
class Mci;
class PlacedControl;
struct Form1State;

// The parts of the window that the transport commands drive.
struct TransportParts {
    Form1State& state;
    MediaPlayer& WindowsMediaPlayer1;
    PlacedControl& Picture1;
    const LabelControl& ditiao;
    Mci& mci;
    Dialogs*& dialogs; // set after construction in some set-ups
    Operation<void(int Index)>& xuan_Click;
    Operation<void(int Index)>& kuaijiecaidan1_Click;
    Operation<void()>& kaishihuamian;
    Operation<void()>& shijian2;
    Operation<void(int shu)>& rengong_kongzhi;
};

// The Control menu kongzhi1 (play, pause, stop, forward, back) and its
// play-point submenu baifenbi. Each command works on what plays: a medium
// of the main player or an audio-CD track.
class Transport {
public:
    explicit Transport(const TransportParts& parts) : parts_(parts) {}

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

    TransportParts parts_;
};
