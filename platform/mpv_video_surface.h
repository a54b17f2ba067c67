#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <atomic>

struct mpv_render_context;

// The widget the player's picture appears in. This base shows no picture
// (for vo=null); subclasses draw mpv's frames through its render API.
// It places the widget, takes it to and from full screen, and reports the
// mouse input it receives.
class MpvVideoSurface : public QObject {
    Q_OBJECT
public:
    explicit MpvVideoSurface(QWidget* parent);
    ~MpvVideoSurface() override;

    QWidget* widget() const { return widget_; }

    void place(const QRect& pixels, bool visible);
    bool isFullScreen() const { return fullScreen_; }
    void setFullScreen(bool on);

signals:
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos,
                       bool inside);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF pos);

protected:
    MpvVideoSurface(QWidget* parent, QWidget* widget);

    // Other objects (an embedded window) whose input counts as the widget's.
    void watchInput(QObject* source);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // mpv asks for frames through the render context's update callback; the
    // answer comes on the GUI thread in renderFrame().
    void listenForFrames(mpv_render_context* context);
    void stopListening();
    virtual void renderFrame() {}
    // A new size or a newly shown widget wants the last frame drawn again.
    virtual void redraw() {}
    // Whether a frame drawn now could be seen at all.
    bool canBeSeen() const;

private:
    static void frameReady(void* self);
    void onFrameReady();
    void applyPlace();
    bool handleInput(QEvent* event);

    QPointer<QWidget> parent_;
    QPointer<QWidget> widget_;
    QRect place_;
    bool visible_ = true;
    bool fullScreen_ = false;
    mpv_render_context* renderContext_ = nullptr;
    std::atomic<bool> frameQueued_{false};
};
