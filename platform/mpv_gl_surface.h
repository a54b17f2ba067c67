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
//
// The window is there at once; the GL context and mpv's render context
// only from startRendering(), before the first picture is decoded. A player
// that only ever plays sound never loads the GL driver (tens of megabytes,
// and time on the way to the first sound).
class MpvGlSurface : public MpvVideoSurface {
    Q_OBJECT
public:
    MpvGlSurface(mpv_handle* mpv, QWidget* parent);
    ~MpvGlSurface() override;

    // Makes the contexts unless they are there. False when this machine
    // has no usable OpenGL; mpv then has nothing to draw with.
    bool startRendering();
    bool isRendering() const { return renderContext_ != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void renderFrame() override;
    void redraw() override;

private:
    MpvGlSurface(mpv_handle* mpv, QWidget* parent, QWindow* window);
    bool createContexts();
    void skipFrame();

    mpv_handle* mpv_;
    QPointer<QWindow> window_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOffscreenSurface> offscreen_;
    mpv_render_context* renderContext_ = nullptr;
};
