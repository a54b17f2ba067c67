#include "audio/manual_control.h"

#include "audio/system_volume_link.h"
#include "audio/toggles.h"
#include "core/display_mode.h"
#include "core/form1.h"
#include "playback/cd_seek.h"

void ManualControl::rengong_kongzhi(int shu)
{
    switch (shu) {
    case VolumeAndMute: SystemVolumeLink::push(form_.systemVolume, form_.state); break;
    case Speed: speedFromKnob(); break;
    case Seek: seek(); break;
    default: break;
    }
    form_.shijian2();
    form_.shijian3();
    // Switching on a running dispatcher does not restart its 200 ms.
    if (!form_.Timer1.isActive())
        form_.Timer1.start();
}

void ManualControl::readStartupVolume()
{
    const Form1& form = form_;
    const ProgramPathOf programPath = [&form](const QString& relative) { return form.programPath(relative); };
    SystemVolumeLink::readAtStartup(form_.state, form_.systemVolume, form_.yinping1, [&] {
        Toggles::showPicture(form_.state, form_.xuan, programPath, Toggles::Mute);
    });
}

// The speed knob's place on its track: 0 at the top, 1000 at the foot, and
// beyond them where the knob is beyond them. A track of no height leaves
// the speed as it was.
void ManualControl::speedFromKnob()
{
    const double trackTop = 1980 - form_.state.top_offset;
    const double trackBottom = form_.xuan[0].top() - 350;
    if (trackBottom == trackTop)
        return;
    form_.state.sudu_shu = 1000 * (form_.huakuai[1].top() - trackTop) / (trackBottom - trackTop);
}

// The dispatcher stays off until the tail, so playback does not move
// position_ms while the seek goes out.
void ManualControl::seek()
{
    form_.Timer1.stop();
    const QString& mode = form_.state.display_mode;
    if (mode == DisplayMode::Cd)
        seekCd(form_.state, form_.mci, form_.ditiao);
    else if (mode == DisplayMode::Audio || mode == DisplayMode::Video)
        form_.WindowsMediaPlayer1.setCurrentPosition(form_.state.position_ms / 1000);
}
