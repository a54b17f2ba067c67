#include "playlist/folder_scan.h"

#include "core/event_delivery.h"
#include "core/flags.h"
#include "core/form1.h"
#include "playlist/busy_cursor.h"
#include "playlist/folder_walk.h"
#include "playlist/list_file.h"
#include "playlist/media_types.h"
#include "playlist/playlist_entries.h"
#include "playlist/scan_filter.h"

namespace FolderScan {

namespace {

// The dispatcher stays off while the scan shows its progress.
void showProgress(Form1& form, const QString& line)
{
    form.Timer1.stop();
    form.ditiao.setCaption(line);
}

bool pump(Form1& form, const QString& line)
{
    showProgress(form, line);
    EventDelivery::deliverPending();
    return form.state.scan_cancel == kCancelled;
}

// Lets the window paint the first progress line before the walk.
void firstLine(Form1& form, const QString& root)
{
    showProgress(form, FolderWalk::progressLine(root, FolderWalk::Phase::Folders, 1, 0));
    EventDelivery::deliverFor(100);
}

void playOrAdd(Form1& form, int Index, const QString& xiang, const QString& how)
{
    // Without a folder chosen in this command (custom suffix box left empty)
    // there is no folder to name in a complaint.
    form.state.chosen_folder = kCancelled;
    const QString text = fenxiangxuanzewenjian(form, Index, xiang);
    if (!text.isEmpty()) {
        form.write_liebiao(how, text);
        if (how == ListWrite::Replace)
            form.liebiao_Click(0);
    } else if (form.state.chosen_folder != kCancelled && form.dialogs) {
        form.dialogs->messageBox(QLatin1Char('"') + form.state.chosen_folder + QLatin1Char('"')
                                 + QStringLiteral("文件夹中没有文件被选中!"));
    }
}

} // namespace

void bofangmulu_Click(Form1& form, int Index)
{
    playOrAdd(form, Index, QStringLiteral("播放目录"), ListWrite::Replace);
}

void zunjiamulu_Click(Form1& form, int Index)
{
    playOrAdd(form, Index, QStringLiteral("增加目录"), ListWrite::Append);
}

void kuaijie_mulu_Click(Form1& form, int Index)
{
    if (form.WindowsMediaPlayer1.fullScreen())
        form.WindowsMediaPlayer1.setFullScreen(false);
    bofangmulu_Click(form, Index);
}

QString fenxiangxuanzewenjian(Form1& form, int p, const QString& xiang)
{
    if (p == MediaTypes::Custom && ScanFilter::askCustomSuffix(form, xiang).isEmpty())
        return {};
    const TypeFilter filter = p == MediaTypes::Custom ? TypeFilter::custom(form.state.custom_suffix)
                                                      : TypeFilter::standard(p);
    const QString folder = liunanmulu(form, ScanFilter::folderDialogTitle(form, p, xiang));
    if (folder.isEmpty())
        return {};
    const std::optional<QStringList> files = muluwenjianmingcheng(form, folder);
    if (!files) {
        form.state.scan_cancel.clear();
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

QString liunanmulu(Form1& form, const QString& biaoti)
{
    QString start;
    const int current = PlaylistEntries::current(form);
    if (current >= 0) {
        const QString path = PlaylistEntries::fullPath(form, current);
        start = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    }
    const QString folder = form.dialogs ? form.dialogs->folder(biaoti, start) : QString();
    form.state.chosen_folder = folder.isEmpty() ? kCancelled : folder;
    return folder;
}

std::optional<QStringList> muluwenjianmingcheng(Form1& form, const QString& mingcheng)
{
    form.state.scan_cancel.clear();
    firstLine(form, mingcheng);
    std::optional<QStringList> files;
    {
        BusyCursor busy;
        files = FolderWalk::files(mingcheng, [&form](const QString& line) { return pump(form, line); });
    }
    form.Timer1.start();
    return files;
}

} // namespace FolderScan
