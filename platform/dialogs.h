#pragma once

#include <QString>
#include <QStringList>

// The message, input and file dialogs the handlers show. Every dialog is
// modal; cancelling answers the empty value. The application uses
// QtDialogs; tests script the answers.
class Dialogs {
public:
    // A file dialog's settings. The filter is written as pairs of
    // description and patterns joined by "|", e.g.
    // "列表文件(*.qmx)|*.qmx|所有文件(*.*)|*.*"; filterIndex counts from 1.
    struct FileRequest {
        QString title;
        QString filter;
        int filterIndex = 1;
        QString startFolder;
        QString fileName;
    };

    // The symbol a message box shows beside its text.
    enum class Icon { None, Exclamation };

    virtual ~Dialogs() = default;

    // A message box with an OK button.
    virtual void messageBox(const QString& text, const QString& title = {},
                            Icon icon = Icon::None) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool question(const QString& text, const QString& title) = 0;
    // An input box; the empty string when cancelled.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    // Asks for a file name to save under; the empty string when cancelled.
    // It does not ask before overwriting: the caller does.
    virtual QString saveFile(const FileRequest& request) = 0;
    // Asks for existing files to open; empty when cancelled.
    virtual QStringList openFiles(const FileRequest& request) = 0;
    // Asks for a folder; the empty string when cancelled.
    virtual QString folder(const QString& title, const QString& startFolder) = 0;
};
