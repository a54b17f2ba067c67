#pragma once

#include "platform/widget_controls.h"

#include <QWidget>

// The panel's knob: shows its skin and reports the mouse in the units of
// the knob handlers (twips within the knob; button 1 left, 2 right, 4
// middle; shift 1 Shift, 2 Ctrl, 4 Alt).
class KnobView : public StretchedImageView {
    Q_OBJECT
public:
    using StretchedImageView::StretchedImageView;

signals:
    void pressed(int button, int shift, double x, double y);
    void moved(int button, int shift, double x, double y);
    void released(int button, int shift, double x, double y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A slider's track, drawn: a rounded rail with a groove along its middle.
class TrackView : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};
