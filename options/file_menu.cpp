#include "options/file_menu.h"

#include "core/flags.h"
#include "core/form1_state.h"
#include "core/menu_array.h"
#include "core/operation.h"
#include "platform/dialogs.h"
#include "playlist/list_file.h"
#include "playlist/media_types.h"
#include "playlist/playlist_entries.h"

namespace FileMenu {

namespace {

// The current entry's folder, without its last separator.
QString startFolder(const FileMenuParts& parts)
{
    const int current = PlaylistEntries::current(parts.liebiao);
    if (current < 0)
        return {};
    const QString path = PlaylistEntries::fullPath(parts.liebiao, parts.state.entry_dirs, current);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

} // namespace

QString listText(const QStringList& files)
{
    QString text;
    for (const QString& file : files)
        text += ListFile::isListFile(file) ? ListFile::text(file) : file + QLatin1Char('\r');
    return text;
}

void playOrAddFiles(const FileMenuParts& parts, int Index)
{
    if (!parts.dialogs || !parts.wenjian1.contains(Index))
        return;
    Dialogs::FileRequest request;
    request.title = parts.wenjian1.at(Index).caption.left(2) + QStringLiteral("媒体文件");
    request.filter = MediaTypes::kOpenFilter;
    request.filterIndex = 1;
    request.startFolder = startFolder(parts);
    const QString text = listText(parts.dialogs->openFiles(request));
    if (text.isEmpty())
        return;
    if (Index == PlayFiles) {
        parts.write_liebiao(ListWrite::Replace, text);
        parts.liebiao_Click(0);
    } else {
        parts.write_liebiao(ListWrite::Append, text);
    }
}

} // namespace FileMenu
