#pragma once

#include "core/hook.h"
#include <QImage>
#include <QString>

#include <functional>
#include <optional>

#include "chrome/panel_layout.h"

class ImageControl;
class MenuArray;

// What the skin painter works on: the background holder and the choice in
// Options ▸ 背景图, and the slider panel it lays out (the window included).
struct SkinPainterParts {
    MenuArray& beijing1;
    ImageControl& beijing_linshi;
    WindowFrame& window;
    PanelLayout::PanelLayoutParts panel;
};

// When the skin painter repaints: the first time, whenever the window's
// outer size differs from the size at its previous run, and when asked to
// with "改变". Ordinary refreshes without a size change only re-place knobs.
class SkinRepaintRule {
public:
    bool changed(double outerWidth, double outerHeight, const QString& arg) const;
    void remember(double outerWidth, double outerHeight);

private:
    std::optional<double> width_;
    std::optional<double> height_;
};

// The skin painter `chengxutuxiang`: paints the background onto a surface
// the window shows beneath its controls and lays out the slider panel,
// only when the rule says so; places the knobs from the values every time.
class SkinPainter {
public:
    explicit SkinPainter(const SkinPainterParts& parts) : parts_(parts) {}

    void chengxutuxiang(const QString& arg);

    // The painted client area, at the window's device pixel ratio.
    const QImage& surface() const { return surface_; }
    double devicePixelRatio = 1;
    // Told after every repaint of the surface (the window updates itself).
    Hook<void()> surfaceChanged;

private:
    void paintSurface();

    SkinPainterParts parts_;
    SkinRepaintRule rule_;
    QImage surface_;
};
