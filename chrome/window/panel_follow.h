#pragma once

#include <QLabel>

#include <functional>

class PanelImage;
class PanelLabel;
class PanelPiece;

// A widget follows every change of its control: place, visibility and
// picture or caption; `then` runs after each change.
void follow(PanelImage& control, PanelPiece* piece, std::function<void()> then = {});
void follow(PanelLabel& control, QLabel* label, std::function<void()> then = {});
