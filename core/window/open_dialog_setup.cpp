// The open-file dialog with the preview panel.
#include "core/window/main_window.h"

void MainWindow::createOpenFileDialog()
{
}
