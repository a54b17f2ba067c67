#pragma once

#include "core/hook.h"

#include <QString>
#include <QStringList>
#include <QVector>

// A row of skinned buttons: each a picture box whose face picture follows
// the pointer, with a caption label on it. Windows with such buttons (the
// registration window, the print preview) own one SkinnedButtons and place
// one SkinnedButtonView (chrome/window/skinned_button_view.h) per button.
//
// The rules:
//   pointer moves over button i while hoverButton() != i -> i shows Hover, blue
//   button pressed on i                                  -> i shows Pressed, blue
//   button released on i                                 -> i shows Hover, blue
//   pointer moves over the window background while hoverButton() != -1
//                                                        -> every button Away, plain
// Moving from one button straight onto another leaves the first one lit
// until the pointer crosses the background.
//
// Usage:
//   SkinnedButtons buttons({"选择所有项", "关    闭"});
//   buttons.changed.connect(view, [](int i) { ... button i looks different ... });
//   buttons.pointerOverButton(0); buttons.pressed(0); buttons.released(0);
//   buttons.pointerOverBackground();
class SkinnedButtons {
public:
    enum class Face { Hover, Pressed, Away };

    // The face picture's file under the program directory.
    static QString faceFile(Face face);
    // The caption colour while a button is lit: red 0, green 0, blue 255.
    static constexpr unsigned BlueRgb = 0x0000FF;

    struct Button {
        QString caption;
        Face face = Face::Away;
        bool blue = false; // false: the system colour for button text
    };

    explicit SkinnedButtons(const QStringList& captions);

    int count() const { return int(buttons_.size()); }
    const Button& button(int i) const { return buttons_.at(i); }
    // The index of the button under the pointer, -1 for none.
    int hoverButton() const { return hover_button; }

    void pointerOverButton(int i);
    void pressed(int i);
    void released(int i);
    void pointerOverBackground();

    // Told with the index of a button whose face or caption colour changed.
    Hook<void(int)> changed;

private:
    void show(int i, Face face, bool blue);

    QVector<Button> buttons_;
    int hover_button = -1;
};
