#pragma once

#include "core/display_refresh.h"
#include "core/form1.h"

// The application's hub: routes each operation of the main window to the
// feature that implements it.
class MainForm : public Form1 {
public:
    explicit MainForm(const Form1Controls& controls);

    void shijian2() override;

private:
    DisplayRefresh displayRefresh_;
};
