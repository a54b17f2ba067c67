#pragma once

#include "platform/mpv_media_player.h"
#include "platform/qt_dialogs.h"

class Form1;

// The program's dialogs, whose open-file dialog carries the preview panel
// (Form5): while it is open, every change of selection previews the file
// in the panel; closing it unloads the panel before the names are used.
class PreviewDialogs : public QtDialogs {
public:
    PreviewDialogs(QWidget* parent, Form1& form, const MpvPlayerOptions& playerOptions = {});

    QStringList openFiles(const FileRequest& request) override;

private:
    QPointer<QWidget> parent_;
    Form1& form_;
    MpvPlayerOptions playerOptions_;
};
