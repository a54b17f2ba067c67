#include "playlist/list_file.h"

#include "playlist/gb_text.h"
#include "playlist/list_text.h"

namespace ListFile {

bool isListFile(const QString& name, Qt::CaseSensitivity cs)
{
    return name.endsWith(QLatin1String(".qmx"), cs);
}

QString startupText(const QString& path)
{
    return joinListText(GbText::readFileLines(path, Playlist::kMaxEntries, GbText::EmptyLines::Skip));
}

QString text(const QString& path)
{
    return joinListText(GbText::readFileLines(path, Playlist::kMaxEntries));
}

bool write(const QString& path, const QStringList& paths)
{
    return GbText::writeFile(path, paths);
}

} // namespace ListFile
