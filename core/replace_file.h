#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// Files the program stores are replaced in one step: the new text goes into a
// new file that takes the old one's place only when it is complete.
//
// The writes go straight to the disk. Buffered, a write the disk refuses
// (full, over quota) would only show when QSaveFile::commit() flushes, and
// commit() still puts the short file in place of the old one.
bool openForReplacing(QSaveFile& file);

// Replaces the file at path by bytes. Returns whether the new file is in
// place; when not, the old file is as it was.
bool replaceFile(const QString& path, const QByteArray& bytes);
