#pragma once

#include "core/folder_path.h"

#include <QString>
#include <array>
#include <functional>

class ImageControl;
class PanelImage;

// The slider panel's skin pictures under tubiao/skin/. Each is read from
// its file whenever it is shown; a file that cannot be read leaves the
// picture shown before.
namespace PanelSkins {

void show(const ProgramPathOf& programPath, ImageControl& control, const QString& fileName);
// Dark (resting) or lit (under the pointer) skin on knob i.
void showKnob(const ProgramPathOf& programPath, std::array<PanelImage, 4>& huakuai, int i, bool lit);
void showTracks(const ProgramPathOf& programPath, std::array<PanelImage, 10>& jingdutiao);
void showStepButton(const ProgramPathOf& programPath, std::array<PanelImage, 2>& shang_xia, int i,
                    bool pressed);

} // namespace PanelSkins
