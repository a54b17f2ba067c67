#include "platform/mpv_video_surface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <mpv/render.h>

namespace {

QWidget* blankWidget(QWidget* parent)
{
    auto* widget = new QWidget(parent);
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget->setPalette(palette);
    return widget;
}

} // namespace

MpvVideoSurface::MpvVideoSurface(QWidget* parent) : MpvVideoSurface(parent, blankWidget(parent)) {}

MpvVideoSurface::MpvVideoSurface(QWidget* parent, QWidget* widget)
    : parent_(parent), widget_(widget)
{
    widget_->setMouseTracking(true);
    widget_->setFocusPolicy(Qt::ClickFocus);
    watchInput(widget_);
}

MpvVideoSurface::~MpvVideoSurface()
{
    stopListening();
    delete widget_.data();
}

void MpvVideoSurface::watchInput(QObject* source)
{
    source->installEventFilter(this);
}

void MpvVideoSurface::place(const QRect& pixels, bool visible)
{
    place_ = pixels;
    visible_ = visible;
    if (!fullScreen_)
        applyPlace();
}

void MpvVideoSurface::applyPlace()
{
    if (!widget_)
        return;
    widget_->setGeometry(place_);
    // An empty place shows nothing; the picture may live in a native
    // window, which a zero-sized parent would not hide.
    widget_->setVisible(visible_ && !place_.isEmpty());
}

void MpvVideoSurface::setFullScreen(bool on)
{
    if (on == fullScreen_ || !widget_)
        return;
    fullScreen_ = on;
    if (on) {
        // Placed on the screen by hand too, for a desktop without a window
        // manager to honour the full-screen request.
        const QRect screen = widget_->screen()->geometry();
        widget_->setParent(nullptr, Qt::Window);
        widget_->setGeometry(screen);
        widget_->showFullScreen();
        widget_->activateWindow();
        widget_->setFocus();
    } else {
        widget_->setWindowState(Qt::WindowNoState);
        widget_->setParent(parent_);
        applyPlace();
    }
}

bool MpvVideoSurface::canBeSeen() const
{
    return widget_ && widget_->isVisible() && !widget_->window()->isMinimized()
        && !widget_->size().isEmpty();
}

bool MpvVideoSurface::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget_) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
            redraw();
            break;
        case QEvent::Close:
            if (fullScreen_) {
                event->ignore();
                setFullScreen(false);
                return true;
            }
            break;
        default:
            break;
        }
    }
    return handleInput(event);
}

bool MpvVideoSurface::handleInput(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPointF pos = mouse->position();
        const bool inside = widget_ && widget_->rect().contains(pos.toPoint());
        emit mouseReleased(mouse->button(), mouse->modifiers(), pos, inside);
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        emit mouseMoved(mouse->buttons(), mouse->modifiers(), mouse->position());
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (fullScreen_)
            setFullScreen(false);
        return false;
    case QEvent::KeyPress:
        if (fullScreen_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            setFullScreen(false);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void MpvVideoSurface::listenForFrames(mpv_render_context* context)
{
    renderContext_ = context;
    mpv_render_context_set_update_callback(context, &MpvVideoSurface::frameReady, this);
}

void MpvVideoSurface::stopListening()
{
    if (renderContext_)
        mpv_render_context_set_update_callback(renderContext_, nullptr, nullptr);
    renderContext_ = nullptr;
}

// Runs on an mpv thread: only queue the work.
void MpvVideoSurface::frameReady(void* self)
{
    auto* surface = static_cast<MpvVideoSurface*>(self);
    if (!surface->frameQueued_.exchange(true))
        QMetaObject::invokeMethod(surface, &MpvVideoSurface::onFrameReady, Qt::QueuedConnection);
}

void MpvVideoSurface::onFrameReady()
{
    frameQueued_ = false;
    if (renderContext_ && (mpv_render_context_update(renderContext_) & MPV_RENDER_UPDATE_FRAME))
        renderFrame();
}
