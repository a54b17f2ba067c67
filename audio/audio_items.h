#pragma once

// Item indices of the Audio menu yinping1.
namespace AudioItem {
inline constexpr int Mute = 0;
inline constexpr int Volume = 2; // opens yinliang1
inline constexpr int VolumeUp = 3;
inline constexpr int VolumeDown = 4;
} // namespace AudioItem
