#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Copies the application folder, so the program's own files are written
// into a folder of the test's.
inline bool copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString target = to + "/" + entry.fileName();
        const bool ok = entry.isDir() ? copyFolder(entry.filePath(), target)
                                      : QFile::copy(entry.filePath(), target);
        if (!ok)
            return false;
    }
    return true;
}
