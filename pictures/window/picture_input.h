#pragma once

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPoint>

class Form1;
class PictureView;
class QMouseEvent;

// Passes mouse input on the picture to the window's Image1 handlers, in
// twips within Image1 and with the window's button codes, and shows the
// mouse pointer the handlers chose. The picture takes the input: nothing
// reaches the window behind it.
class PictureInput : public QObject {
public:
    PictureInput(PictureView* view, Form1& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void forward(QEvent::Type type, const QMouseEvent& event);
    void applyPointer();

    PictureView* view_;
    Form1& form_;
    qint64 shownIcon_ = 0;
    QPoint shownHotSpot_;
    bool custom_ = false;
};

// Button codes: 1 left, 2 right, 4 middle; Shift codes: 1 Shift, 2 Ctrl, 4 Alt.
int buttonCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);
