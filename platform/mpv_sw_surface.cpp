#include "platform/mpv_sw_surface.h"

#include <QPainter>
#include <mpv/render.h>

namespace {

// Paints the last frame, or black before there is one.
class FrameWidget : public QWidget {
public:
    FrameWidget(QWidget* parent, const QImage* frame) : QWidget(parent), frame_(frame)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (frame_->isNull())
            painter.fillRect(rect(), Qt::black);
        else
            painter.drawImage(rect(), *frame_);
    }

private:
    const QImage* frame_;
};

mpv_render_context* createContext(mpv_handle* mpv)
{
    char apiType[] = MPV_RENDER_API_TYPE_SW;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, apiType},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context* context = nullptr;
    if (mpv_render_context_create(&context, mpv, params) < 0)
        return nullptr;
    return context;
}

} // namespace

MpvSwSurface::MpvSwSurface(mpv_handle* mpv, QWidget* parent)
    : MpvVideoSurface(parent, new FrameWidget(parent, &frame_)), context_(createContext(mpv))
{
    if (context_)
        listenForFrames(context_);
}

MpvSwSurface::~MpvSwSurface()
{
    stopListening();
    mpv_render_context_free(context_);
}

// mpv waits for each frame it offers to be taken, so a frame is always
// rendered, only skipping the drawing when nobody could see it.
void MpvSwSurface::renderFrame()
{
    if (!canBeSeen()) {
        int skip = 1;
        mpv_render_param params[] = {
            {MPV_RENDER_PARAM_SKIP_RENDERING, &skip},
            {MPV_RENDER_PARAM_INVALID, nullptr},
        };
        mpv_render_context_render(context_, params);
        return;
    }
    const QSize size = widget()->size() * widget()->devicePixelRatioF();
    if (frame_.size() != size)
        frame_ = QImage(size, QImage::Format_RGBX8888);
    int surfaceSize[2] = {size.width(), size.height()};
    char format[] = "rgb0";
    size_t stride = size_t(frame_.bytesPerLine());
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SW_SIZE, surfaceSize},
        {MPV_RENDER_PARAM_SW_FORMAT, format},
        {MPV_RENDER_PARAM_SW_STRIDE, &stride},
        {MPV_RENDER_PARAM_SW_POINTER, frame_.bits()},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(context_, params);
    widget()->update();
}

void MpvSwSurface::redraw()
{
    if (context_ && canBeSeen())
        renderFrame();
}
