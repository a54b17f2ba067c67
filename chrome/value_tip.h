#pragma once

#include "core/folder_path.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

class PanelImage;
class PanelLabel;
struct Form1State;

// The value tip `xianshi_wenben` beside a knob under the pointer.
namespace ValueTip {

// Knob i's value as the tip writes it, e.g. "声音 30%", "1.00倍速",
// "平衡 -100%"; nothing for the progress of a medium without length.
std::optional<QString> text(const Form1State& s, int i);
// Lights knob i and shows the tip beside it with its value.
void show(const Form1State& s, std::array<PanelImage, 4>& huakuai, PanelLabel& xianshi_wenben,
          const ProgramPathOf& programPath, int i);

} // namespace ValueTip
