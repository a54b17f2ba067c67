#pragma once

#include "pictures/picture_clip.h"
#include "pictures/picture_painter.h"
#include "platform/placed_control.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

// Image1 on screen: shows its picture stretched over a target rectangle
// that may be far larger than the widget, painting only what is exposed.
class PictureView : public QWidget {
public:
    explicit PictureView(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    // Where the whole picture lies, in this widget's coordinates.
    void setTarget(const QRectF& target);
    QRectF target() const { return target_; }
    const QImage& image() const { return painter_.image(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PicturePainter painter_;
    QRectF target_;
};

// The viewer frame Picture1 on screen. Zooming makes the frame grow without
// limit, beyond what a widget can be, so its widget covers only the part
// inside the window; the frame's own corner is kept as an offset.
class PictureFrameControl : public QObject, public PlacedControl {
public:
    explicit PictureFrameControl(QWidget* frame);
    QWidget* widget() const { return widget_; }
    // The frame's top-left corner in its widget's coordinates, in pixels.
    QPointF origin() const { return clip_.origin; }
    // Runs after every placing, so the frame's contents follow.
    std::function<void()> placed;

protected:
    void placeChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> widget_;
    ClippedPlace clip_;
};

// Image1 as a control: placed inside the frame, its picture shown by a
// PictureView covering the visible part.
class PictureViewControl : public ImageControl {
public:
    PictureViewControl(PictureView* view, PictureFrameControl& frame);
    PictureView* view() const { return view_; }

protected:
    void placeChanged() override;
    void pictureChanged() override;

private:
    QPointer<PictureView> view_;
    PictureFrameControl& frame_;
};

// A control's place in pixels, unrounded.
QRectF pixelPlace(const PlacedControl& control);
