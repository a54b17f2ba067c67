#pragma once

#include <QString>
#include <QStringList>

// List files (".qmx"): one full path a line, GB18030, CR LF.
namespace ListFile {

// The current list beside the executable, written at shutdown and read at
// start-up.
inline const QString kCurrentList = QStringLiteral("数据库/播放列表.qmx");

// Whether a name is a list file's: it ends in ".qmx", compared exactly or,
// for folder scans, without regard to case.
bool isListFile(const QString& name, Qt::CaseSensitivity cs = Qt::CaseSensitive);

// The start-up read: a list text of the file's non-empty lines.
QString startupText(const QString& path);
// Any other read (command line, open dialog, folder scan): a list text of
// every line, empty ones too. A file that cannot be read gives nothing.
QString text(const QString& path);

// Replaces the file with the paths; false when it could not be written.
bool write(const QString& path, const QStringList& paths);

} // namespace ListFile
