#pragma once

#include "core/operation.h"

#include <QTimer>

class Form4;
class MenuArray;
struct Form1State;

// What the menu refresh keeps in step, and the print preview it asks.
struct MenuRefreshParts {
    const Form1State& state;
    MenuArray& xuanxiang1;
    MenuArray& tuxiang1;
    Operation<bool()>& printPreviewHoldsPicture;
    Operation<void()>& hidePrintPreview;
};

// The main window's menu refresh Timer2 (200 ms): keeps the Options item
// of the floating toolbar in step with it and the Image menu's enabled
// states with the display mode and the print preview.
class MenuRefresh {
public:
    MenuRefresh(const MenuRefreshParts& parts, const Form4& toolbar);

    void Timer2_Timer();

    QTimer Timer2;

private:
    MenuRefreshParts parts_;
    const Form4& toolbar_;
};
