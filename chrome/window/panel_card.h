#pragma once

#include "platform/twips.h"

#include <QWidget>

class Form1;

// The card the slider panel stands on: a calm face around its tracks,
// boxes, knobs and captions, beneath them and above the window's skin.
class PanelCard : public QWidget {
public:
    explicit PanelCard(QWidget* window);
    // Follows the panel's layout.
    void place(const Form1& form);
    // The card's rectangle for the panel as laid out.
    static TwipsRect around(const Form1& form);
};
