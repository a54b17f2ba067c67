// The registration window: made the first time it shows, without owner so
// it stays usable while it disables the main window.
#include "registration/window/form3_window.h"
#include "window/main_window.h"

void MainWindow::createRegistration()
{
    Form3& registration = form_->form3;
    registration.enableMainWindow.connect(this, [this](bool enabled) { setEnabled(enabled); });
    registration.showWindow.connect(this, [this, &registration] {
        if (!registration_)
            registration_ = std::make_unique<Form3Window>(registration, form_->programDir);
        registration_->show();
        registration_->raise();
        registration_->activateWindow();
    });
}
