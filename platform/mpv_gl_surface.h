#pragma once

#include "platform/mpv_video_surface.h"

#include <QPointer>
#include <memory>

struct mpv_handle;
class QOffscreenSurface;
class QOpenGLContext;
class QWindow;

// Draws mpv's frames with OpenGL into a native window embedded in the
// parent widget. The GL context belongs to this object, not to the window,
// so it survives going full screen and rendering goes on (without drawing)
// while the window is hidden or minimized.
class MpvGlSurface : public MpvVideoSurface {
    Q_OBJECT
public:
    // Null when this machine has no usable OpenGL.
    static std::unique_ptr<MpvGlSurface> create(mpv_handle* mpv, QWidget* parent);
    ~MpvGlSurface() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void renderFrame() override;
    void redraw() override;

private:
    MpvGlSurface(QWidget* parent, QWindow* window, std::unique_ptr<QOpenGLContext> context,
                 std::unique_ptr<QOffscreenSurface> offscreen);
    bool start(mpv_handle* mpv);
    void skipFrame();

    QPointer<QWindow> window_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOffscreenSurface> offscreen_;
    mpv_render_context* renderContext_ = nullptr;
};
