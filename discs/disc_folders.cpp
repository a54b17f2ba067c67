#include "discs/disc_folders.h"

#include <QDir>
#include <QDirIterator>

namespace DiscFolders {

QString find(const QString& root, const QString& name)
{
    if (root.isEmpty())
        return {};
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return it.filePath();
    }
    return {};
}

QString listText(const QString& folder, const QString& suffix)
{
    if (folder.isEmpty())
        return {};
    QString text;
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().right(suffix.size()).toLower() == suffix)
            text += it.filePath() + QLatin1Char('\r');
    }
    return text;
}

} // namespace DiscFolders
