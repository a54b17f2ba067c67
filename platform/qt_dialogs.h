#pragma once

#include "platform/dialogs.h"

#include <QFileDialog>
#include <QPointer>
#include <QWidget>

// The dialogs as Qt widgets, modal over the given window. File dialogs are
// Qt's own (not the desktop's), so other features can add panels to them.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    void messageBox(const QString& text, const QString& title = {},
                    Icon icon = Icon::None) override;
    bool question(const QString& text, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString saveFile(const FileRequest& request) override;
    QStringList openFiles(const FileRequest& request) override;
    QString folder(const QString& title, const QString& startFolder) override;

private:
    QPointer<QWidget> parent_;
};

// Turns a "description|patterns|..." filter into Qt name filters. Each
// keeps its description as shown; the patterns follow in parentheses,
// blank-separated and matching without regard to case. "*.*" becomes "*",
// so files without a suffix show too.
QStringList toQtNameFilters(const QString& filter);

// Sets a file dialog up to open one or more existing files as asked.
void prepareOpenFilesDialog(QFileDialog& dialog, const Dialogs::FileRequest& request);
