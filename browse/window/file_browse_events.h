#pragma once

#include <QStringList>
#include <functional>

class QFileDialog;

// The dialog's FileBrowse event: the text a selection of files reports.
// One file gives its full path; several give their names, each in
// quotation marks and followed by a blank (so the text ends in `" `);
// none gives the empty text.
QString fileBrowseText(const QStringList& files);

// Calls browse with the text whenever the files selected in a non-native
// file dialog change. Folders in the selection do not count.
void onFileBrowse(QFileDialog& dialog, std::function<void(const QString&)> browse);
