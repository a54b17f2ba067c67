#pragma once

// Item indices of the Control menu kongzhi1.
namespace ControlItem {
inline constexpr int Play = 0;
inline constexpr int Pause = 1;
inline constexpr int Stop = 2;
inline constexpr int Forward = 4;
inline constexpr int Back = 5;
inline constexpr int PlayPoints = 7;
} // namespace ControlItem
