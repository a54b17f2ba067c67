#include "core/replace_file.h"

#include <QSaveFile>

bool openForReplacing(QSaveFile& file)
{
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool replaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!openForReplacing(file))
        return false;
    return file.write(bytes) == bytes.size() && file.commit();
}
