#pragma once

#include "platform/twips.h"

// The preview panel as designed, in twips. Frame2 sits on Form5; every
// other control lies inside Frame2 and is placed relative to it.
namespace Form5Design {

inline constexpr TwipsRect Frame2{180, 240, 3135, 3255};
// The preview box: Image1's empty place and the outline Shape1.
inline constexpr TwipsRect Box{135, 180, 2865, 1875};
inline constexpr TwipsRect Placeholder{900, 900, 1395, 315}; // Label2(2)
inline constexpr TwipsRect PictureCheck{120, 2220, 1380, 270}; // Check2(0)
inline constexpr TwipsRect MediaCheck{1500, 2220, 1530, 270};  // Check2(1)
inline constexpr TwipsRect VolumeCaption{120, 2640, 630, 180}; // Label2(1)
inline constexpr TwipsRect VolumeTrack{780, 2640, 2250, 150};  // jingdutiao(0)
inline constexpr TwipsRect VolumeKnob{2820, 2580, 150, 270};   // huakuai(0)
inline constexpr TwipsRect ProgressCaption{120, 2940, 630, 180}; // Label2(0)
inline constexpr TwipsRect ProgressTrack{780, 2940, 2250, 150};  // jingdutiao(1)
inline constexpr TwipsRect ProgressKnob{840, 2880, 150, 270};    // huakuai(1)

// A knob's Left runs from KnobMin (value 0) to KnobMax (full scale).
inline constexpr double KnobMin = 840;
inline constexpr double KnobMax = 2820;
inline constexpr double KnobRange = KnobMax - KnobMin;
// Where the preview player waits while it shows nothing.
inline constexpr double PlayerIdleLeft = 20000;

} // namespace Form5Design
