#include "options/shortcut_commands.h"

#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "core/form1_state.h"
#include "core/menu_array.h"
#include "platform/dialogs.h"
#include "platform/media_player.h"
#include "core/replace_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ShortcutCommands {

namespace {

const QString kFullScreen = QStringLiteral("全屏幕(&Q)");
const QString kRestoreWindow = QStringLiteral("恢复视窗(&Q)");

// Asks for the copy's name until it is new or the user agrees to replace it.
QString askCopyName(Dialogs& dialogs, Dialogs::FileRequest request)
{
    for (;;) {
        const QString name = dialogs.saveFile(request);
        if (name.isEmpty() || !QFileInfo::exists(name))
            return name;
        const QString question = QFileInfo(name).fileName() + QStringLiteral(" 已存在。\n要替换它吗?");
        if (dialogs.question(question, request.title))
            return name;
        request.fileName = QFileInfo(name).fileName();
    }
}

} // namespace

void toggleFullScreen(const Form1State& state, MenuArray& kuaijiecaidan1, MediaPlayer& WindowsMediaPlayer1)
{
    if (state.display_mode != DisplayMode::Video)
        return;
    MenuItem& item = kuaijiecaidan1[ShortcutItem::FullScreen];
    const bool enter = item.caption == kFullScreen;
    WindowsMediaPlayer1.setFullScreen(enter);
    item.caption = enter ? kRestoreWindow : kFullScreen;
    item.enabled = true;
}

QString copyFilter(const QString& caption, const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    // A name without a suffix can only be offered under all names.
    const QString suffix = dot < 0 ? QStringLiteral("*") : fileName.mid(dot + 1);
    return caption.left(4) + QStringLiteral("(*.") + suffix + QStringLiteral(")|*.") + suffix;
}

bool copyReplacing(const QString& source, const QString& target)
{
    const QFileInfo from(source), to(target);
    if (!from.isFile() || (to.exists() && from.canonicalFilePath() == to.canonicalFilePath()))
        return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    // The old file stays until the new one is written in full.
    QSaveFile out(target);
    if (!openForReplacing(out))
        return false;
    char buffer[1 << 16];
    for (qint64 n; (n = in.read(buffer, sizeof buffer)) > 0;) {
        if (out.write(buffer, n) != n)
            return false;
    }
    return in.error() == QFileDevice::NoError && out.commit();
}

void saveCopyAs(const Form1State& state, Dialogs* dialogs, const MenuArray& kuaijiecaidan1,
                MediaPlayer& WindowsMediaPlayer1)
{
    if (WindowsMediaPlayer1.fullScreen())
        WindowsMediaPlayer1.setFullScreen(false);
    const QString source = state.lincunwei_weijian_mingcheng;
    if (!dialogs || source.isEmpty())
        return;
    const qsizetype slash = source.lastIndexOf(QLatin1Char('/'));
    const QString name = source.mid(slash + 1);
    Dialogs::FileRequest request;
    request.startFolder = slash > 0 ? source.left(slash) : slash == 0 ? QStringLiteral("/") : QString();
    request.filter = copyFilter(kuaijiecaidan1.at(ShortcutItem::SaveAs).caption, name);
    request.title = QLatin1Char('\'') + source + QStringLiteral("' 另存为");
    request.fileName = QStringLiteral("复件 ") + name;
    const QString target = askCopyName(*dialogs, request);
    if (!target.isEmpty())
        copyReplacing(source, target);
}

} // namespace ShortcutCommands
