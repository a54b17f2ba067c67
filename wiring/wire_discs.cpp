#include "wiring/main_form.h"

// The optical drives and their submenus.
void MainForm::wireDiscs()
{
    dedaoguangqu = [this] { discs_.dedaoguangqu(); };
    bofangguangpan1_Click = [this](int Index) { discs_.bofangguangpan1_Click(Index); };
    tankai1_Click = [this](int Index) { discs_.tankai1_Click(Index); };
    guanshang1_Click = [this](int Index) { discs_.guanshang1_Click(Index); };
}
