#include "wiring/main_form.h"

void MainForm::wireHelp()
{
    bangzhu1_Click = [this](int Index) { helpMenu.bangzhu1_Click(Index); };
    QObject::connect(&Timer_tan, &QTimer::timeout, &Timer_tan,
                     [this] { newsScheduler.Timer_tan_Timer(); });
    timersHeldWhileOpening << &Timer_tan;
}
