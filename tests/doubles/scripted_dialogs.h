#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Dialogs that answer from a script and record what was asked. An empty
// script answers as if the user cancelled.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString kind; // "message", "question", "input", "save", "open", "folder"
        QString text; // message, question or prompt
        QString title;
        QString defaultText;
        FileRequest request; // file dialogs (and the folder dialog's start folder)
        Icon icon = Icon::None; // message boxes
    };

    void messageBox(const QString& text, const QString& title = {},
                    Icon icon = Icon::None) override;
    bool question(const QString& text, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString saveFile(const FileRequest& request) override;
    QStringList openFiles(const FileRequest& request) override;
    QString folder(const QString& title, const QString& startFolder) override;

    QQueue<QString> answers;        // input box, save and folder dialogs
    QQueue<bool> questionAnswers;   // Yes (true) or No
    QQueue<QStringList> openAnswers;
    QList<Shown> shown;
};
