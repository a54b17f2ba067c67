#include "wiring/main_form.h"

// Volume, mute, speed, balance and seeking; the Audio menu; the toggles.
void MainForm::wireAudio()
{
    rengong_kongzhi = [this](int shu) { manualControl_.rengong_kongzhi(shu); };
    readStartupVolume = [this] { manualControl_.readStartupVolume(); };
    xuan_Click = [this](int Index) { toggles_.xuan_Click(Index); };
    yinping1_Click = [this](int Index) { audioMenu_.yinping1_Click(Index); };
    yinliang1_Click = [this](int Index) { audioMenu_.yinliang1_Click(Index); };
}
