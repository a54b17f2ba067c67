#pragma once

#include "core/folder_path.h"
#include "core/operation.h"

#include <QString>
#include <Qt>
#include <array>
#include <functional>

class PanelImage;
class PanelLabel;
class QTimer;
struct Form1State;

// What the knobs work on: the values in the state record, the knobs and
// the toggles that bound their tracks, the value tip, the dispatcher held
// during a progress drag, and where a change goes out.
struct KnobDragParts {
    Form1State& state;
    std::array<PanelImage, 4>& huakuai;
    std::array<PanelImage, 3>& xuan;
    PanelLabel& xianshi_wenben;
    QTimer& Timer1;
    ProgramPathOf programPath;
    Operation<void(int shu)>& rengong_kongzhi;
};

// The four knobs `huakuai` under the mouse: the tip and highlight on every
// move, the drag that changes a value, the release that applies it and the
// double click that resets speed or balance. Coordinates are twips inside
// the knob.
class KnobDrag {
public:
    explicit KnobDrag(const KnobDragParts& parts) : parts_(parts) {}

    void huakuai_MouseDown(int i, Qt::MouseButton button, double x, double y);
    void huakuai_MouseMove(int i, Qt::MouseButtons buttons, double x, double y);
    void huakuai_MouseUp(int i, Qt::MouseButton button);
    void huakuai_DblClick(int i);

private:
    void drag(int i, double x, double y);

    KnobDragParts parts_;
};
