#pragma once

#include "platform/placed_control.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

// Placed controls backed by real widgets: each moves, sizes and shows its
// widget whenever its twips place changes.
class WidgetControl : public PlacedControl {
public:
    explicit WidgetControl(QWidget* widget);
    QWidget* widget() const { return widget_; }

protected:
    void placeChanged() override;

private:
    QPointer<QWidget> widget_;
};

class WidgetLabel : public LabelControl {
public:
    explicit WidgetLabel(QLabel* label);
    QLabel* label() const { return label_; }

protected:
    void placeChanged() override;
    void captionChanged() override;

private:
    QPointer<QLabel> label_;
};

// Paints a picture stretched over its whole rectangle. Only the part that
// is exposed is drawn from the original, so a huge zoomed frame costs no
// more than the screen it covers.
class StretchedImageView : public QWidget {
public:
    using QWidget::QWidget;
    void setImage(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

class WidgetImage : public ImageControl {
public:
    explicit WidgetImage(StretchedImageView* view);
    StretchedImageView* view() const { return view_; }

protected:
    void placeChanged() override;
    void pictureChanged() override;

private:
    QPointer<StretchedImageView> view_;
};
