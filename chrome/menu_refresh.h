#pragma once

#include <QTimer>

class Form1;
class Form4;

// The main window's menu refresh Timer2 (200 ms): keeps the Options item
// of the floating toolbar in step with it and the Image menu's enabled
// states with the display mode and the print preview.
class MenuRefresh {
public:
    MenuRefresh(Form1& form, const Form4& toolbar);

    void Timer2_Timer();

    QTimer Timer2;

private:
    Form1& form_;
    const Form4& toolbar_;
};
