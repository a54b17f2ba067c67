#pragma once

#include "core/folder_path.h"
#include "chrome/toolbar_strip.h"
#include "chrome/toolbar_window.h"
#include "core/hook.h"
#include "core/operation.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

class MenuArray;
class WindowFrame;

// What the toolbar takes from the main window: its frame (minimized or
// not), the Options item naming the toolbar, where its pictures are, and
// the commands its buttons give.
struct Form4Parts {
    WindowFrame& window;
    MenuArray& xuanxiang1;
    ProgramPathOf programPath;
    Operation<void(int Index)>& kongzhi1_Click;
    Operation<void(int Index)>& kuaijiecaidan1_Click;
};

// The floating toolbar Form4: nine picture buttons on a strip at the top
// edge of the screen, folded to a thin line until the pointer touches the
// top rows, slid sideways by its two ends. Its window is the desktop's
// (ToolbarWindow); without one the toolbar shows nowhere.
class Form4 {
public:
    enum class FoldState { Unset, Unfolded, Folded };

    explicit Form4(const Form4Parts& parts);
    Form4(const Form4&) = delete;
    Form4& operator=(const Form4&) = delete;

    ToolbarWindow* window = nullptr;
    MainWindowControl* mainWindow = nullptr;

    void Form_Load();
    // Docks the toolbar at the top edge, unfolded, and measures it.
    void Get_Windows_Rect();
    void Show();
    void Hide();
    bool isVisible() const;

    void Label1_Click(int Index);
    void Label1_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void Label1_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Label1_MouseUp(int Index, int Button, int Shift, double X, double Y);
    void Picture1_MouseDown(int Button, int Shift, double X, double Y);
    void Picture1_MouseMove(int Button, int Shift, double X, double Y);
    void Picture1_MouseUp(int Button, int Shift, double X, double Y);
    // Every 50 ms: folding, unfolding, drag handles, the main window's state.
    void Timer1_Timer();
    // Every second: the colour box.
    void Timer2_Timer();

    // The window's height in twips, as last set, and setting it.
    double Height() const { return height_; }
    void setHeight(double twips);
    double Left() const;
    double Top() const;
    double Width() const;

    QTimer Timer1;
    QTimer Timer2;
    ToolbarStrip strip;                  // Picture1 and Image1
    std::array<QString, 10> toolTips;    // Label1(1) ... Label1(9)
    unsigned BackColor = 0;              // 0x00BBGGRR
    std::optional<QColor> boxColor;      // the colour box, once drawn
    bool movePointer = false;            // the four-way move pointer is shown

    bool button_pressed = false;
    bool hover_drawn = false;
    bool in_drag_zone = false;
    bool dragging = false;
    QRect toolbar_rect;
    QPoint cursor_pos;
    QPoint drag_offset;
    double full_height = 0;
    FoldState fold_state = FoldState::Unset;
    int last_main_state = 0;
    int saved_main_state = 0;
    int border_step = 0;

    // The view repaints on these; the window pops up the List menu.
    Hook<void()> changed;
    Hook<void(const QPoint& at)> popupListMenu;

private:
    bool restoreSet() const;
    QString picturePath(StripLook look) const;
    void paintNormalStrip();
    void paintButtonBlock(StripLook look, int index);
    void setBackColor(unsigned colour);
    void setMovePointer(bool move);
    void setRect(const QRect& rect);
    void unfold();
    void watchMainWindow();
    void minimizeOrRestore();

    Form4Parts parts_;
    double height_ = 1245;
};
