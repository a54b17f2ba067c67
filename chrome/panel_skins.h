#pragma once

#include <QString>

class Form1;
class ImageControl;

// The slider panel's skin pictures under tubiao/skin/. Each is read from
// its file whenever it is shown; a file that cannot be read leaves the
// picture shown before.
namespace PanelSkins {

void show(Form1& form, ImageControl& control, const QString& fileName);
// Dark (resting) or lit (under the pointer) skin on knob i.
void showKnob(Form1& form, int i, bool lit);
void showTracks(Form1& form);
void showStepButton(Form1& form, int i, bool pressed);

} // namespace PanelSkins
