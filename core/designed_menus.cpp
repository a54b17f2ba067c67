#include "core/designed_menus.h"

#include "options/file_menu.h"

MenuArray designedShortcutMenu()
{
    using namespace ShortcutItem;
    MenuArray menu;
    const QList<QPair<int, QString>> captions = {
        {Play, "播  放(&O)"},
        {Pause, "暂  停(&P)"},
        {Stop, "停  止(&S)"},
        {3, "-"},
        {Forward, "前  进(&J)"},
        {Back, "后  退(&G)"},
        {6, "-"},
        {Previous, "上一首(&U)"},
        {Next, "下一首(&D)"},
        {Replay, "重  播(&C)"},
        {10, "-"},
        {PlayFiles, "播放文件(&W)"},
        {PlayFolder, "播放目录(&M)"},
        {13, "-"},
        {FullScreen, "全屏幕(&Q)"},
        {SaveAs, "图象另存为(&L)..."},
        {16, "-"},
        {Exit, "退  出(&X)"},
    };
    for (const auto& [index, caption] : captions)
        menu[index].caption = caption;
    menu[ShortcutItem::Replay].checked = true;
    menu[ShortcutItem::FullScreen].enabled = false;
    return menu;
}

namespace {

MenuArray menuOf(const QList<QPair<int, QString>>& captions)
{
    MenuArray menu;
    for (const auto& [index, caption] : captions)
        menu[index].caption = caption;
    return menu;
}

MenuArray folderMenu(const QString& video, const QString& flashAndLists)
{
    return menuOf({
        {0, "所有媒体文件"},
        {1, "光盘文件(*.dat;*.cda;*.vob)"},
        {2, "音频文件(*.wav;*.mp3;*.mid)"},
        {3, video},
        {4, "图象文件(*.bmp;*.gif;*.jpg等)"},
        {5, flashAndLists},
        {6, "所有文件(*.*)"},
        {7, "-"},
        {8, "自定义后缀"},
    });
}

} // namespace

MenuArray designedListMenu()
{
    return menuOf({{0, "列表0"}});
}

MenuArray designedSortMenu()
{
    return menuOf({{0, "按目录名称排序(&M)"}, {1, "按文件名称排序(&W)"}, {2, "按后缀类型排序(&H)"}});
}

MenuArray designedOptionsMenu()
{
    using namespace OptionsItem;
    MenuArray menu = menuOf({
        {Loop, "循环播放(&X)"},
        {NoPicturesInLoopAll, "全部循环时禁止播放图片(&J)"},
        {ShowDirectories, "显示列表文件目录(&L)"},
        {3, "-"},
        {Background, "背景图(&B)"},
        {6, "-"},
        {StartPicture, "开始画面(&H)"},
        {RandomStartPicture, "随机开始画面(&S)"},
        {9, "-"},
        {Toolbar, "打开浮动工具条(&F)"},
        {Registration, "类型注册(&Z)"},
    });
    menu[OptionsItem::ShowDirectories].checked = true;
    return menu;
}

MenuArray designedLoopMenu()
{
    MenuArray menu = menuOf({{0, "全部(&Q)"}, {1, "单首(&D)"}, {2, "禁止(&J)"}});
    menu[0].checked = true;
    return menu;
}

MenuArray designedStartPictureMenu()
{
    MenuArray menu = menuOf({{0, "画面1"}});
    menu[0].checked = true;
    return menu;
}

MenuArray designedBackgroundMenu()
{
    MenuArray menu = menuOf({{0, "背景图01"}});
    menu[0].checked = true;
    return menu;
}

MenuArray designedPlayFolderMenu()
{
    return folderMenu("视频文件(*.avi;*.mpg;*.wmv;*.rm)", "列表文件(*.qmx)");
}

MenuArray designedAddFolderMenu()
{
    return folderMenu("视频文件(*.avi;*.mpg;*.wmv;*.rm)", "Flash和列表文件(*.qmx)");
}

MenuArray designedShortcutFolderMenu()
{
    return folderMenu("视频文件(*.avi;*.mpg;*.wmv)", "列表文件(*.swf;*.qmx)");
}

MenuArray designedFileMenu()
{
    using namespace FileMenu;
    return menuOf({{PlayFiles, "播放文件(&O)"}, {AddFiles, "增加文件(&Z)"}, {3, "-"},
                   {PlayFolder, "播放目录(&M)"}, {AddFolder, "增加目录(&J)"}, {7, "-"},
                   {PlayDisc, "播放CD、VCD或DVD光盘(&V)"}, {9, "-"}, {SaveList, "保存播放列表(&B)"},
                   {11, "-"}, {OpenTray, "弹开 CD-ROM(&Q)"}, {CloseTray, "关上 CD-ROM(&M)"},
                   {16, "-"}, {Exit, "退    出(&X)"}});
}

MenuArray designedDriveMenu()
{
    MenuArray menu;
    menu[0].visible = false;
    return menu;
}

MenuArray designedHelpMenu()
{
    using namespace HelpItem;
    MenuArray menu;
    const QList<QPair<int, QString>> captions = {
        {Features, "功能介绍(&Y)"},
        {Upgrade, "软件升级(&S)"},
        {3, "-"},
        {NoNewsPopups, "禁止弹出新闻资讯(&X)"},
        {6, "-"},
        {HomePage, "软件主页(&H)"},
        {News, "新闻资讯(&W)"},
        {9, "-"},
        {About, "关于...(&C)"},
    };
    for (const auto& [index, caption] : captions)
        menu[index].caption = caption;
    // The news items show once start-up has made them visible.
    menu[5].visible = false;
    menu[8].visible = false;
    return menu;
}

MenuArray designedControlMenu()
{
    using namespace ControlItem;
    return menuOf({{Play, "播放(&O)"}, {Pause, "暂停(&P)"}, {Stop, "停止(&S)"}, {3, "-"},
                   {Forward, "前进(&F)"}, {Back, "后退(&T)"}, {6, "-"},
                   {PlayPoints, "选择播放点(&Z)"}});
}

MenuArray designedPlayPointMenu()
{
    return menuOf({{0, "0%(&A)"}, {1, "10%(&B)"}, {2, "20%(&C)"}, {3, "30%(&D)"},
                   {4, "40%(&E)"}, {5, "50%(&F)"}, {6, "60%(&G)"}, {7, "70%(&H)"},
                   {8, "80%(&G)"}, {9, "90%(&I)"}, {10, "自定义(&J)"}});
}

MenuArray designedAudioMenu()
{
    using namespace AudioItem;
    return menuOf({{Mute, "静音开关(&K)"}, {1, "-"}, {Volume, "音量(&A)"},
                   {VolumeUp, "增加音量(&Z)"}, {VolumeDown, "减小音量(&J)"}});
}

MenuArray designedVolumeMenu()
{
    return menuOf({{0, "1(&A)"}, {1, "2(&B)"}, {2, "3(&C)"}, {3, "4(&D)"}, {4, "5(&E)"},
                   {5, "6(&F)"}, {6, "7(&G)"}, {7, "8(&H)"}, {8, "9(&I)"}, {9, "10(&J)"}});
}

MenuArray designedImageMenu()
{
    using namespace ImageItem;
    return menuOf({{ZoomIn, "放大一倍(&F)"}, {ZoomOut, "缩小一半(&S)"}, {2, "-"},
                   {ActualSize, "原始尺寸(&Y)"}, {4, "-"}, {Percent, "按比例(&A)"}, {6, "-"},
                   {Normal, "恢复正常(&H)"}, {CloseAll, "关闭一切(&C)"}, {9, "-"},
                   {PrintPreview, "预览及打印图像(&D)"}});
}

MenuArray designedPercentMenu()
{
    return menuOf({{0, "25%"}, {1, "50%"}, {2, "75%"}, {3, "100%"}, {4, "125%"},
                   {5, "150%"}, {6, "175%"}, {7, "200%"}, {8, "250%"}, {9, "300%"},
                   {10, "400%"}, {11, "自定义"}});
}
