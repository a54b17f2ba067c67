#include "platform/mpv_gl_surface.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QWindow>
#include <mpv/render.h>
#include <mpv/render_gl.h>

namespace {

void* procAddress(void*, const char* name)
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

QWindow* videoWindow()
{
    auto* window = new QWindow;
    window->setObjectName("mpvVideoWindow");
    window->setSurfaceType(QSurface::OpenGLSurface);
    window->setFormat(QSurfaceFormat::defaultFormat());
    return window;
}

} // namespace

MpvGlSurface::MpvGlSurface(mpv_handle* mpv, QWidget* parent) : MpvGlSurface(mpv, parent, videoWindow())
{
}

MpvGlSurface::MpvGlSurface(mpv_handle* mpv, QWidget* parent, QWindow* window)
    : MpvVideoSurface(parent, QWidget::createWindowContainer(window, parent)), mpv_(mpv),
      window_(window)
{
    watchInput(window);
}

bool MpvGlSurface::startRendering()
{
    if (renderContext_)
        return true;
    if (createContexts())
        return true;
    offscreen_.reset();
    context_.reset();
    return false;
}

bool MpvGlSurface::createContexts()
{
    context_ = std::make_unique<QOpenGLContext>();
    context_->setFormat(QSurfaceFormat::defaultFormat());
    if (!context_->create())
        return false;
    offscreen_ = std::make_unique<QOffscreenSurface>();
    offscreen_->setFormat(context_->format());
    offscreen_->create();
    if (!offscreen_->isValid() || !context_->makeCurrent(offscreen_.get()))
        return false;
    mpv_opengl_init_params init{&procAddress, nullptr};
    char apiType[] = MPV_RENDER_API_TYPE_OPENGL;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, apiType},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &init},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    const bool ok = mpv_render_context_create(&renderContext_, mpv_, params) >= 0;
    context_->doneCurrent();
    if (!ok) {
        renderContext_ = nullptr;
        return false;
    }
    listenForFrames(renderContext_);
    return true;
}

MpvGlSurface::~MpvGlSurface()
{
    stopListening();
    if (renderContext_) {
        context_->makeCurrent(offscreen_.get());
        mpv_render_context_free(renderContext_);
        context_->doneCurrent();
    }
}

bool MpvGlSurface::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && (event->type() == QEvent::Expose || event->type() == QEvent::Resize))
        redraw();
    return MpvVideoSurface::eventFilter(watched, event);
}

// mpv waits for each frame it offers to be taken, so a frame is always
// rendered, only skipping the drawing when nobody could see it.
void MpvGlSurface::renderFrame()
{
    if (!window_ || !window_->isExposed() || !canBeSeen()) {
        skipFrame();
        return;
    }
    if (!context_->makeCurrent(window_)) {
        skipFrame();
        return;
    }
    const QSize size = window_->size() * window_->devicePixelRatio();
    mpv_opengl_fbo fbo{int(context_->defaultFramebufferObject()), size.width(), size.height(), 0};
    int flip = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flip},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(renderContext_, params);
    context_->swapBuffers(window_);
}

void MpvGlSurface::skipFrame()
{
    if (!context_->makeCurrent(offscreen_.get()))
        return;
    int skip = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SKIP_RENDERING, &skip},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(renderContext_, params);
}

void MpvGlSurface::redraw()
{
    if (renderContext_ && window_ && window_->isExposed() && canBeSeen())
        renderFrame();
}
