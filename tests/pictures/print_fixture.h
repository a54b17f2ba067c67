#pragma once

#include "doubles/fake_media_player.h"
#include "doubles/plain_controls.h"
#include "doubles/scripted_dialogs.h"
#include "recording_printer.h"
#include "wiring/main_form.h"

// The main window's model with the print preview, on plain controls and a
// recording printer. The shown picture is 3000 x 2000 twips.
struct PrintFixture : PlainControls<> {
    PrintFixture()
    {
        form.dialogs = &dialogs;
        form.form2.printer = &printer;
        showPicture(QSize(300, 200), QSizeF(3000, 2000));
    }
    // The picture the preview holds, and the size the main window shows it at.
    void showPicture(QSize pixels, QSizeF shown)
    {
        QImage picture(pixels, QImage::Format_RGB32);
        picture.fill(Qt::red);
        form.printPreviewImage.setPicture(picture);
        image1.setWidth(shown.width());
        image1.setHeight(shown.height());
    }
    Form2& preview() { return form.form2; }
    PreviewState& state() { return form.form2.state; }

    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    MainForm form{controls()};
};
