#pragma once

#include "platform/twips.h"

// The floating toolbar Form4 as designed, in twips.
namespace ToolbarDesign {

inline constexpr double Width = 4200;
inline constexpr double Height = 1245;
inline constexpr double FoldedHeight = 30;
inline constexpr double FullHeight = 460;
inline constexpr double LoadLeft = 7000;
// Picture1, the button strip.
inline constexpr TwipsRect Strip{0, 0, 4155, 450};
// Label1(1) ... Label1(9), the buttons' hot spots.
inline constexpr int kButtons = 9;
inline constexpr TwipsRect hotSpot(int index) { return {240 + 420.0 * (index - 1), 60, 315, 315}; }
// The square cut from a pressed or hover picture for one button.
inline constexpr double BlockSize = 400;
inline constexpr double blockLeft(int index) { return hotSpot(index).left - 20; }

// The drag handles, in pixels from the toolbar's left end: a pointer at
// most LeftHandle from it, or RightHandle or more, is on a handle.
inline constexpr int LeftHandle = 7;
inline constexpr int RightHandle = 270;
// The top rows of the screen that unfold the toolbar (y <= TopRows).
inline constexpr int TopRows = 3;

// Background colour 0x00BBGGRR 0xFF0000: pure blue.
inline constexpr unsigned BackColor = 0xFF0000;

} // namespace ToolbarDesign

// The toolbar's buttons, by the index of their hot spot.
namespace ToolbarButton {
inline constexpr int Play = 1;
inline constexpr int Pause = 2;
inline constexpr int Back = 3;
inline constexpr int Forward = 4;
inline constexpr int Stop = 5;
inline constexpr int Previous = 6;
inline constexpr int Next = 7;
inline constexpr int MinimizeRestore = 8;
inline constexpr int Close = 9;
} // namespace ToolbarButton
