#include "pictures/picture_zoom.h"

#include "core/content_area.h"
#include "core/display_mode.h"
#include "core/form1_state.h"
#include "platform/placed_control.h"
#include "platform/window_frame.h"

namespace {

const QString kFromPopup = QStringLiteral("快捷");

} // namespace

void PictureZoom::step(double f)
{
    enterZoomMode();
    PlacedControl& frame = parts_.Picture1;
    setFrameSize(frame.width() * f, frame.height() * f);
    centre(f);
    frame.setVisible(true);
    parts_.shijian2();
}

void PictureZoom::percent(double p)
{
    enterZoomMode();
    setFrameSize(p * parts_.Image2.width(), p * parts_.Image2.height());
    centre(p);
    parts_.Picture1.setVisible(true);
}

void PictureZoom::actualSize()
{
    enterZoomMode();
    setFrameSize(parts_.Image2.width(), parts_.Image2.height());
    parts_.Picture1.setVisible(true);
    parts_.shijian2();
}

// The ratio is kept in single precision, as the window keeps it.
void PictureZoom::carryOver(double r)
{
    const float ratio = float(r);
    setFrameSize(parts_.Image2.width() * ratio, parts_.Image2.height() * ratio);
    centre(ratio);
}

void PictureZoom::enterZoomMode()
{
    parts_.state.display_mode = DisplayMode::Zoom;
}

void PictureZoom::setFrameSize(double width, double height)
{
    PlacedControl& frame = parts_.Picture1;
    frame.setPlace({frame.left(), frame.top(), width, height});
}

// After the Image menu was popped up on the zoomed picture, the point last
// pressed is brought towards the middle of the content area. The area's
// left and top offsets are not added.
void PictureZoom::centre(double f)
{
    const Form1State& s = parts_.state;
    if (s.popup_origin != kFromPopup)
        return;
    const ContentArea a = contentArea(parts_.window.scaleWidth(), parts_.window.scaleHeight(),
                                      s.top_offset);
    PlacedControl& frame = parts_.Picture1;
    if (frame.width() > a.W())
        frame.setLeft(a.W() / 2 - f * s.press_x);
    if (frame.height() > a.H())
        frame.setTop(a.H() / 2 - f * s.press_y);
}
