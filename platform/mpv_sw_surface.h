#pragma once

#include "platform/mpv_video_surface.h"

#include <QImage>

struct mpv_handle;

// Draws mpv's frames with its software renderer into an image that a plain
// widget paints; for machines (and the offscreen platform) without OpenGL.
class MpvSwSurface : public MpvVideoSurface {
    Q_OBJECT
public:
    MpvSwSurface(mpv_handle* mpv, QWidget* parent);
    ~MpvSwSurface() override;

    bool isReady() const { return context_ != nullptr; }

protected:
    void renderFrame() override;
    void redraw() override;

private:
    mpv_render_context* context_ = nullptr;
    QImage frame_;
};
