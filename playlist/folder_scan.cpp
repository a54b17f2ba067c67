#include "playlist/folder_scan.h"

#include "core/event_delivery.h"
#include "core/flags.h"
#include "core/form1_state.h"
#include "core/menu_array.h"
#include "core/operation.h"
#include "platform/dialogs.h"
#include "platform/media_player.h"
#include "platform/placed_control.h"
#include "playlist/busy_cursor.h"
#include "playlist/folder_walk.h"
#include "playlist/list_file.h"
#include "playlist/media_types.h"
#include "playlist/playlist_entries.h"
#include "playlist/scan_filter.h"

#include <QTimer>

namespace FolderScan {

namespace {

// The dispatcher stays off while the scan shows its progress.
void showProgress(const FolderScanParts& parts, const QString& line)
{
    parts.Timer1.stop();
    parts.ditiao.setCaption(line);
}

bool pump(const FolderScanParts& parts, const QString& line)
{
    showProgress(parts, line);
    EventDelivery::deliverPending();
    return parts.state.scan_cancel == kCancelled;
}

// Lets the window paint the first progress line before the walk.
void firstLine(const FolderScanParts& parts, const QString& root)
{
    showProgress(parts, FolderWalk::progressLine(root, FolderWalk::Phase::Folders, 1, 0));
    EventDelivery::deliverFor(100);
}

void playOrAdd(const FolderScanParts& parts, int Index, const QString& xiang, const QString& how)
{
    // Without a folder chosen in this command (custom suffix box left empty)
    // there is no folder to name in a complaint.
    parts.state.chosen_folder = kCancelled;
    const QString text = fenxiangxuanzewenjian(parts, Index, xiang);
    if (!text.isEmpty()) {
        parts.write_liebiao(how, text);
        if (how == ListWrite::Replace)
            parts.liebiao_Click(0);
    } else if (parts.state.chosen_folder != kCancelled && parts.dialogs) {
        parts.dialogs->messageBox(QLatin1Char('"') + parts.state.chosen_folder + QLatin1Char('"')
                                 + QStringLiteral("文件夹中没有文件被选中!"));
    }
}

} // namespace

void bofangmulu_Click(const FolderScanParts& parts, int Index)
{
    playOrAdd(parts, Index, QStringLiteral("播放目录"), ListWrite::Replace);
}

void zunjiamulu_Click(const FolderScanParts& parts, int Index)
{
    playOrAdd(parts, Index, QStringLiteral("增加目录"), ListWrite::Append);
}

void kuaijie_mulu_Click(const FolderScanParts& parts, int Index)
{
    if (parts.WindowsMediaPlayer1.fullScreen())
        parts.WindowsMediaPlayer1.setFullScreen(false);
    bofangmulu_Click(parts, Index);
}

QString fenxiangxuanzewenjian(const FolderScanParts& parts, int p, const QString& xiang)
{
    if (p == MediaTypes::Custom && ScanFilter::askCustomSuffix(parts.state, parts.dialogs, xiang).isEmpty())
        return {};
    const TypeFilter filter = p == MediaTypes::Custom ? TypeFilter::custom(parts.state.custom_suffix)
                                                      : TypeFilter::standard(p);
    const QString folder = liunanmulu(parts, ScanFilter::folderDialogTitle(parts.state, parts.bofangmulu, p, xiang));
    if (folder.isEmpty())
        return {};
    const std::optional<QStringList> files = muluwenjianmingcheng(parts, folder);
    if (!files) {
        parts.state.scan_cancel.clear();
        return {};
    }
    QString text;
    for (const QString& file : *files) {
        if (!filter.matches(file))
            continue;
        if (ListFile::isListFile(file, Qt::CaseInsensitive))
            text += ListFile::text(file);
        else
            text += file + QLatin1Char('\r');
    }
    return text;
}

QString liunanmulu(const FolderScanParts& parts, const QString& biaoti)
{
    QString start;
    const int current = PlaylistEntries::current(parts.liebiao);
    if (current >= 0) {
        const QString path = PlaylistEntries::fullPath(parts.liebiao, parts.state.entry_dirs, current);
        start = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    }
    const QString folder = parts.dialogs ? parts.dialogs->folder(biaoti, start) : QString();
    parts.state.chosen_folder = folder.isEmpty() ? kCancelled : folder;
    return folder;
}

std::optional<QStringList> muluwenjianmingcheng(const FolderScanParts& parts, const QString& mingcheng)
{
    parts.state.scan_cancel.clear();
    firstLine(parts, mingcheng);
    std::optional<QStringList> files;
    {
        BusyCursor busy;
        files = FolderWalk::files(mingcheng, [&parts](const QString& line) { return pump(parts, line); });
    }
    parts.Timer1.start();
    return files;
}

} // namespace FolderScan
