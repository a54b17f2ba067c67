#include "playlist/list_saver.h"

#include "core/form1_state.h"
#include "core/menu_array.h"
#include "playlist/list_file.h"
#include "playlist/media_types.h"
#include "playlist/playlist_entries.h"

#include <QFileInfo>

QString listStartFolder(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {};
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString proposedListName(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {};
    const qsizetype before = slash == 0 ? -1 : path.lastIndexOf(QLatin1Char('/'), slash - 1);
    const QString folder = path.mid(before + 1, slash - before - 1);
    return folder.isEmpty() ? QStringLiteral("列表") : QStringLiteral("列表 ") + folder;
}

ListSaver::ListSaver(Dialogs*& dialogs, const MenuArray& liebiao, const Form1State& state)
    : dialogs_(dialogs), liebiao_(liebiao), state_(state)
{
    request_.title = Title;
    request_.filter = MediaTypes::kListFilter;
}

void ListSaver::run()
{
    if (!dialogs_)
        return;
    const int current = PlaylistEntries::current(liebiao_);
    if (current >= 0) {
        const QString path = PlaylistEntries::fullPath(liebiao_, state_.entry_dirs, current);
        if (const QString folder = listStartFolder(path); !folder.isEmpty())
            request_.startFolder = folder;
        if (const QString name = proposedListName(path); !name.isEmpty())
            request_.fileName = name;
    }
    const QString name = askName(*dialogs_);
    if (name.isEmpty())
        return;
    request_.fileName = name;
    ListFile::write(name, PlaylistEntries::fullPaths(liebiao_, state_.entry_dirs));
}

// A name not ending in ".qmx" gets it, so the list is known as one when it
// is opened again. An existing file is replaced only after a Yes.
QString ListSaver::askName(Dialogs& dialogs)
{
    for (;;) {
        QString name = dialogs.saveFile(request_);
        if (name.isEmpty())
            return {};
        if (!ListFile::isListFile(name, Qt::CaseInsensitive))
            name += QStringLiteral(".qmx");
        if (!QFileInfo::exists(name))
            return name;
        const QString question = QFileInfo(name).fileName() + QStringLiteral(" 已存在。\n要替换它吗?");
        if (dialogs.question(question, Title))
            return name;
        request_.fileName = name;
    }
}
