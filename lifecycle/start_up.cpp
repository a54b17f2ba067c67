#include "lifecycle/start_up.h"

#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "core/event_delivery.h"
#include "core/flags.h"
#include "core/form1.h"
#include "core/scoped_value.h"
#include "core/version.h"
#include "lifecycle/command_line.h"
#include "news/news_switch.h"
#include "platform/os_version.h"
#include "playlist/list_file.h"
#include "playlist/playlist_entries.h"

void StartUp::setCommandLine(const QStringList& arguments, const QString& workingDir)
{
    arguments_ = arguments;
    workingDir_ = workingDir;
}

void StartUp::formLoad()
{
    {
        const ScopedValue running(form_.state.start_up_running, true);
        loadSteps();
    }
    // A close asked for while the list was still being read is carried out
    // now that there is a whole list to store.
    if (std::exchange(form_.state.close_deferred, false))
        formUnload();
}

void StartUp::loadSteps()
{
    form_.bangzhu1[HelpItem::NoNewsPopups].visible = true;
    form_.bangzhu1[HelpItem::News].visible = true;
    form_.window.setCaption(appCaption());
    form_.readStartupVolume();
    form_.state.sudu_shu = 100;
    form_.state.position_ms = 0;
    form_.state.standard_height = form_.window.height() - 260;
    form_.chengxutuxiang(QString());
    chengxukaishi();
    form_.state.start_pending = Flag::StartPending;
    if (newsPopupsForbidden(form_.userPath(QStringLiteral("v.sz"))))
        form_.bangzhu1[HelpItem::NoNewsPopups].checked = true;
}

void StartUp::chengxukaishi()
{
    form_.buildPictureMenus();
    form_.duquxuanxiang();
    QString listText;
    if (arguments_.isEmpty()) {
        listText = startupListText();
        form_.state.display_mode = DisplayMode::Idle;
        form_.kaishihuamian();
        form_.shijian2();
    } else {
        listText = argumentsToListText(arguments_, workingDir_, ListFile::text);
    }
    form_.write_liebiao(ListWrite::Replace, listText);
    if (!arguments_.isEmpty())
        form_.liebiao_Click(0);
    else
        PlaylistEntries::checkOnly(form_.liebiao, 0);
}

QString StartUp::startupListText() const
{
    return ListFile::startupText(form_.userPath(ListFile::kCurrentList));
}

void StartUp::shijian1()
{
    const QString& mode = form_.state.display_mode;
    const int current = PlaylistEntries::current(form_.liebiao);
    QString text;
    if (mode == DisplayMode::Idle)
        text = titleText(appVersionText(), true, QString());
    else if (current >= 0)
        text = titleText(appVersionText(), false, PlaylistEntries::fullPath(form_.liebiao, form_.state.entry_dirs, current));
    // With no checked entry outside the idle mode there is no text to scroll.
    form_.window.setCaption(titleStep_.next(text));
}

void StartUp::shijian5()
{
    if (const auto version = queryOsVersion()) {
        if (version->platformId == 1)
            form_.state.xitong = QStringLiteral("Windows 98");
        else if (version->platformId == 2)
            form_.state.xitong = QStringLiteral("Windows XP");
    }
    form_.loadTrackSkins();
    form_.acceptsDrops = true;
    form_.dedaoguangqu();
    form_.firstRunRegistration();
}

// Only names with a "." are taken (folders mostly have none); a drop that
// comes while the last one is still being played is ignored.
void StartUp::dropFiles(const QStringList& paths)
{
    if (!form_.acceptsDrops || form_.state.tuofang == Flag::Dropping
        || EventDelivery::insideHandler())
        return;
    QString listText;
    for (const QString& path : paths) {
        const QString name = path.trimmed();
        if (name.contains(u'.'))
            listText += name + u'\r';
    }
    if (listText.isEmpty())
        return;
    form_.state.tuofang = Flag::Dropping;
    form_.write_liebiao(ListWrite::Append, listText);
}

void StartUp::formUnload()
{
    if (form_.state.start_up_running) {
        form_.state.close_deferred = true;
        return;
    }
    if (form_.state.display_mode == DisplayMode::Cd) {
        form_.mci.send(QStringLiteral("stop cd wait"));
        form_.mci.send(QStringLiteral("seek cd to 1 wait"));
    }
    form_.WindowsMediaPlayer1.setUrl(QString());
    form_.cunchuxuanxiang();
    form_.removeTrayIcon();
    form_.state.closing = Flag::Closing;
    form_.Timer_end.start();
}

void StartUp::timerEnd()
{
    if (form_.state.closing == Flag::Closing)
        form_.endProgram();
}
