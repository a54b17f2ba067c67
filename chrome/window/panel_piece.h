#pragma once

#include <QEvent>
#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

// One picture control of the slider panel on screen: a track piece, knob,
// toggle or step button. It paints its picture over its whole rectangle
// (the pictures are drawn at twice the size, so they stay sharp at 2x) and
// hands the mouse on in twips inside itself.
class PanelPiece : public QWidget {
    Q_OBJECT
public:
    enum Kind { Track, Knob, Toggle, StepButton };

    PanelPiece(Kind kind, int index, QWidget* parent);

    Kind kind() const { return kind_; }
    int index() const { return index_; }
    void setImage(const QImage& image);

    // Mouse input: the event's type, its button, the buttons held and the
    // point in twips inside the piece.
    std::function<void(QEvent::Type, Qt::MouseButton, Qt::MouseButtons, QPointF)> mouse;

    // What assistive technology reads and does.
    std::function<QString()> valueText;
    std::function<bool()> checked;
    std::function<void()> press;
    std::function<std::optional<double>()> fraction;
    std::function<void(double)> setFraction;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void forward(QMouseEvent* event);

    Kind kind_;
    int index_;
    QImage image_;
};
