// The open-file dialog with the preview panel.
#include "browse/window/preview_dialogs.h"
#include "window/main_window.h"

void MainWindow::createOpenFileDialog()
{
    dialogs_ = std::make_unique<PreviewDialogs>(this, *form_);
    form_->dialogs = dialogs_.get();
}
