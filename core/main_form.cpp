#include "core/main_form.h"

MainForm::MainForm(const Form1Controls& controls)
    : Form1(controls), displayRefresh_(*this)
{
}

void MainForm::shijian2()
{
    displayRefresh_.run();
}
