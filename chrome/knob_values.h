#pragma once

#include <optional>

struct Form1State;

// Knob i's value as the fraction of its track it stands for: 0 at the top
// (or left), 1 at the foot (or right). Knobs: 0 volume, 1 speed,
// 2 progress, 3 balance.
namespace KnobValues {

inline constexpr int kKnobs = 4;
inline constexpr int kProgress = 2;
inline constexpr int kBalance = 3;

// Nothing for a progress knob without a medium length.
std::optional<double> fraction(const Form1State& s, int i);
// Sets knob i's value from a fraction in 0 ... 1; the balance is rounded
// to a whole step. A progress fraction of a medium without length is 0.
void setFraction(Form1State& s, int i, double r);

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double v);

} // namespace KnobValues
