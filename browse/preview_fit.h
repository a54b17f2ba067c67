#pragma once

#include "platform/twips.h"

// Where the preview box shows a picture or a video, in twips within the
// panel. The values are not rounded.
namespace PreviewFit {

// A picture of w x h pixels: natural size when it fits, never enlarged;
// otherwise scaled down to fit, keeping its shape.
TwipsRect picture(int w, int h);
// A video of vw x vh pixels always fills the box in one direction.
TwipsRect video(int vw, int vh);
// The box centred on a fitted width and height.
TwipsRect centred(double width, double height);

} // namespace PreviewFit
