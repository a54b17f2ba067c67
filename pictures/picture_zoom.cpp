#include "pictures/picture_zoom.h"

#include "core/content_area.h"
#include "core/display_mode.h"
#include "core/form1.h"

namespace {

const QString kFromPopup = QStringLiteral("快捷");

} // namespace

void PictureZoom::step(double f)
{
    enterZoomMode();
    PlacedControl& frame = form_.Picture1;
    setFrameSize(frame.width() * f, frame.height() * f);
    centre(f);
    frame.setVisible(true);
    form_.shijian2();
}

void PictureZoom::percent(double p)
{
    enterZoomMode();
    setFrameSize(p * form_.Image2.width(), p * form_.Image2.height());
    centre(p);
    form_.Picture1.setVisible(true);
}

void PictureZoom::actualSize()
{
    enterZoomMode();
    setFrameSize(form_.Image2.width(), form_.Image2.height());
    form_.Picture1.setVisible(true);
    form_.shijian2();
}

// The ratio is kept in single precision, as the window keeps it.
void PictureZoom::carryOver(double r)
{
    const float ratio = float(r);
    setFrameSize(form_.Image2.width() * ratio, form_.Image2.height() * ratio);
    centre(ratio);
}

void PictureZoom::enterZoomMode()
{
    form_.state.display_mode = DisplayMode::Zoom;
}

void PictureZoom::setFrameSize(double width, double height)
{
    PlacedControl& frame = form_.Picture1;
    frame.setPlace({frame.left(), frame.top(), width, height});
}

// After the Image menu was popped up on the zoomed picture, the point last
// pressed is brought towards the middle of the content area. The area's
// left and top offsets are not added.
void PictureZoom::centre(double f)
{
    const Form1State& s = form_.state;
    if (s.popup_origin != kFromPopup)
        return;
    const ContentArea a = contentArea(form_.window.scaleWidth(), form_.window.scaleHeight(),
                                      s.top_offset);
    PlacedControl& frame = form_.Picture1;
    if (frame.width() > a.W())
        frame.setLeft(a.W() / 2 - f * s.press_x);
    if (frame.height() > a.H())
        frame.setTop(a.H() / 2 - f * s.press_y);
}
