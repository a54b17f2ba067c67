#include "wiring/main_form.h"

// The print preview Form2: the Image menu opens it, the menu refresh asks
// whether it holds a picture and hides it when not.
void MainForm::wirePrintPreview()
{
    showPrintPreview = [this] { form2.show(); };
    printPreviewHoldsPicture = [this] { return form2.holdsPicture(); };
    hidePrintPreview = [this] { form2.hide(); };
}
