#include "options/file_menu.h"

#include "core/flags.h"
#include "core/form1.h"
#include "playlist/list_file.h"
#include "playlist/media_types.h"
#include "playlist/playlist_entries.h"

namespace FileMenu {

namespace {

// The current entry's folder, without its last separator.
QString startFolder(const Form1& form)
{
    const int current = PlaylistEntries::current(form);
    if (current < 0)
        return {};
    const QString path = PlaylistEntries::fullPath(form, current);
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

void playOrAddFiles(Form1& form, int Index)
{
    if (!form.dialogs || !form.wenjian1.contains(Index))
        return;
    Dialogs::FileRequest request;
    request.title = form.wenjian1.at(Index).caption.left(2) + QStringLiteral("媒体文件");
    request.filter = MediaTypes::kOpenFilter;
    request.filterIndex = 1;
    request.startFolder = startFolder(form);
    const QString text = listText(form.dialogs->openFiles(request));
    if (text.isEmpty())
        return;
    if (Index == PlayFiles) {
        form.write_liebiao(ListWrite::Replace, text);
        form.liebiao_Click(0);
    } else {
        form.write_liebiao(ListWrite::Append, text);
    }
}

} // namespace FileMenu
