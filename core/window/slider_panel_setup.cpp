// The slider panel's widgets in the main window.
#include "core/window/main_window.h"

void MainWindow::createSliderPanel()
{
}
