#include "playlist/list_text.h"

namespace {

bool onlyBlanks(QStringView text)
{
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

} // namespace

QStringList splitListText(const QString& aa, int maxEntries)
{
    QStringList paths;
    qsizetype start = 0;
    while (paths.size() < maxEntries && start < aa.size()) {
        const qsizetype cr = aa.indexOf(Playlist::kCr, start);
        if (cr < 0) {
            const QStringView rest = QStringView(aa).mid(start);
            if (!onlyBlanks(rest))
                paths << rest.toString();
            break;
        }
        paths << aa.mid(start, cr - start);
        start = cr + 1;
    }
    return paths;
}

QString joinListText(const QStringList& paths)
{
    QString text;
    qsizetype size = 0;
    for (const QString& path : paths)
        size += path.size() + 1;
    text.reserve(size);
    for (const QString& path : paths) {
        text += path;
        text += Playlist::kCr;
    }
    return text;
}

SplitPath splitPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {QString(), path};
    return {path.left(slash + 1), path.mid(slash + 1)};
}
