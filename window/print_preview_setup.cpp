// The print preview: the system's printer behind it, and its window, made
// the first time it shows.
#include "pictures/window/print_preview_window.h"
#include "pictures/window/qt_picture_printer.h"
#include "window/main_window.h"

void MainWindow::createPrintPreview()
{
    printer_ = std::make_unique<QtPicturePrinter>(this);
    Form2& preview = form_->form2;
    preview.printer = printer_.get();
    preview.showWindow.connect(this, [this, &preview] {
        if (!printPreview_) {
            auto* window = new PrintPreviewWindow(preview, form_->programDir, this);
            form_->printPreviewImage.changed.connect(window, [window] { window->refresh(); });
            printPreview_ = window;
        }
        printPreview_->show();
        printPreview_->raise();
        printPreview_->activateWindow();
    });
}
