#pragma once

#include "core/hook.h"
#include "platform/twips.h"

#include <QColor>
#include <QKeySequence>
#include <QPointF>
#include <QString>

#include <functional>

// The row of seven labels `Lab_caidan` that stands in for a menu bar, and
// the highlight `Shape1` behind the label under the pointer or pressed.
// Geometry in twips of the main window's client area.
// The labels' slots, left to right.
namespace LabelSlot {
inline constexpr int File = 0;
inline constexpr int Control = 1;
inline constexpr int Audio = 2;
inline constexpr int Image = 3;
inline constexpr int Options = 4;
inline constexpr int List = 5;
inline constexpr int Help = 6;
} // namespace LabelSlot

class LabelMenuBar {
public:
    static constexpr int kLabels = 7;
    static constexpr int kListLabel = LabelSlot::List;
    // The designed caption, with "&" before its access key.
    static QString caption(int index);
    // The caption as drawn and read: without the "&"; its access key is
    // underlined on screen.
    static QString shownCaption(int index);
    // The key that pops up the label's menu from the keyboard (Alt+F for
    // "文件(&F)").
    static QKeySequence accessKey(int index);
    static TwipsRect labelPlace(int index);
    // Where a label's menu pops up: left-aligned just below the label.
    static QPointF popupPoint(int index);
    static QColor hoverColour() { return QColor(193, 210, 238); }
    static QColor pressedColour() { return QColor(181, 190, 214); }

    // Set by the window: pop up label `index`'s menu at a point in twips,
    // and the sort menu at the pointer. Both return when the menu closes.
    Hook<void(int index, QPointF at)> popupMenu;
    Hook<void()> popupSortMenu;
    // Told whenever the highlight changes.
    Hook<void()> highlightChanged;

    void Lab_caidan_MouseMove(int index);
    void Lab_caidan_MouseUp(int index, Qt::MouseButton button);
    // The hover reset's part for the bar: hides the highlight.
    void hideHighlight();

    bool highlightVisible() const { return visible_; }
    TwipsRect highlightPlace() const { return place_; }
    QColor highlightColour() const { return colour_; }

private:
    void highlight(int index, const QColor& colour);

    bool visible_ = false;
    TwipsRect place_;
    QColor colour_ = pressedColour();
};
