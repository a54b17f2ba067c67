#include "wiring/main_form.h"

void MainForm::wireHelp()
{
    bangzhu1_Click = [this](int Index) { helpMenu.bangzhu1_Click(Index); };
}
