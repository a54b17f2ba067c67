#include "wiring/main_form.h"

// The file-type registration Form3: Options item 11 shows it, the start
// step runs its silent first-run registration.
void MainForm::wireRegistration()
{
    showRegistration = [this] { form3.show(); };
    firstRunRegistration = [this] { form3.firstRunRegistration(); };
}
