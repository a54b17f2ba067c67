#pragma once

#include <functional>

class MenuArray;
class SystemVolume;
struct Form1State;

// Between the window's volume and mute and the system's, through the
// back-end named by volume_backend. Without a system volume nothing is
// sent and nothing answers.
namespace SystemVolumeLink {

// Chooses the back-end by the system's name, then reads the volume into
// shengyin_shu and the mute into mute_state (with the Audio menu's check
// mark and the mute toggle's picture when muted).
// showMuteToggle shows the mute toggle's picture.
void readAtStartup(Form1State& s, SystemVolume* system, MenuArray& yinping1,
                   const std::function<void()>& showMuteToggle);

// Sends shengyin_shu and mute_state to the system. The mixer's mute is
// changed only when the system's differs from mute_state.
void push(SystemVolume* system, const Form1State& s);

} // namespace SystemVolumeLink
