// Every menu of the real main window, chosen as a user chooses its items:
// each item reaches the model, dialogs it opens are cancelled, and the
// user's list survives them all.
#include "tests/window/glue_window.h"
#include "tests/window/glue_media.h"

#include "audio/audio_values.h"
#include "doubles/test_names.h"
#include "news/help_menu.h"

#include <QApplication>
#include <QMenu>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QStringList kTopMenus = {"文件(&F)", "控制(&C)", "音频(&A)", "图像(&T)", "选项(&X)",
                               "帮助(&H)", "快捷(&K)", "排序"};

bool isExit(const QString& caption)
{
    return caption.startsWith("退");
}

// Chooses every enabled item under the menu except the exits; returns the
// paths of the items chosen.
QStringList chooseEverything(GlueWindow& w, QMenu* menu, const QString& path)
{
    QStringList chosen;
    menu->popup(QPoint(20, 20));
    QList<QPair<QString, QMenu*>> items;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->isEnabled())
            items << qMakePair(action->text(), action->menu());
    }
    menu->close();
    for (const auto& [caption, submenu] : items) {
        if (submenu) {
            chosen << chooseEverything(w, submenu, path + " ▸ " + caption);
        } else if (!isExit(caption)) {
            if (GlueWindow::choose(menu, caption))
                chosen << path + " ▸ " + caption;
        }
    }
    return chosen;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

TEST(MainWindowMenus, TheWindowBuildsEveryMenu)
{
    GlueWindow w(glueMedia().list());
    for (const QString& title : kTopMenus)
        EXPECT_NE(w.topMenu(title), nullptr) << title.toStdString();
}

TEST(MainWindowMenus, EveryItemRunsAndTheListSurvives)
{
    GlueWindow w(glueMedia().list());
    const QStringList before = w.entries();
    ASSERT_EQ(before.size(), 3);

    QStringList chosen;
    for (const QString& title : kTopMenus) {
        QMenu* menu = w.topMenu(title);
        ASSERT_NE(menu, nullptr) << title.toStdString();
        chosen << chooseEverything(w, menu, title);
    }
    for (int i = 0; i < before.size(); ++i)
        ASSERT_TRUE(w.chooseListEntry(i));

    // Every menu's items were reached, submenus included. In the idle mode
    // the Image menu offers only the print preview, and that only while
    // the preview holds a picture.
    for (const QString& title : kTopMenus) {
        if (title == "图像(&T)" && !w.form().tuxiang1[ImageItem::PrintPreview].enabled)
            continue;
        EXPECT_TRUE(std::any_of(chosen.cbegin(), chosen.cend(),
                                [&](const QString& p) { return p.startsWith(title + " ▸ "); }))
            << title.toStdString();
    }
    EXPECT_GE(chosen.size(), 80) << chosen.join('\n').toStdString();
    EXPECT_TRUE(chosen.contains("选项(&X) ▸ 循环播放(&X) ▸ 禁止(&J)"));
    EXPECT_TRUE(chosen.contains("控制(&C) ▸ 选择播放点(&Z) ▸ 50%(&F)"));
    EXPECT_TRUE(chosen.contains("音频(&A) ▸ 音量(&A) ▸ 10(&J)"));
    // The cancelled dialogs left no window waiting and added nothing.
    EXPECT_TRUE(waitUntil([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_FALSE(w.closer.closedDialogs.isEmpty());
    EXPECT_EQ(sorted(w.entries()), sorted(before));
    EXPECT_EQ(w.quitCalls, 0);
    EXPECT_TRUE(w.window().isVisible());

    // What the user built is stored at the end as always.
    ASSERT_TRUE(GlueWindow::choose(w.topMenu("文件(&F)"), "退    出(&X)"));
    EXPECT_TRUE(waitUntil([&] { return w.quitCalls > 0; }));
    EXPECT_EQ(w.savedList(), w.entries());
}

// An item, and what choosing it does to the window's model.
struct MenuEffect {
    const char* name;
    QStringList path;
    std::function<void(GlueWindow&)> expect;
    const char* missing = nullptr; // why the effect cannot be seen yet
    friend void PrintTo(const MenuEffect& c, std::ostream* os) { *os << c.name; }
};

void expectStored(GlueWindow& w)
{
    EXPECT_EQ(w.form().state.closing, "关闭");
    EXPECT_TRUE(waitUntil([&] { return w.quitCalls == 1; }));
    EXPECT_EQ(w.savedList(), w.entries());
    EXPECT_EQ(w.savedOptions().count("\r\n"), 8);
}

const QList<MenuEffect> kEffects = {
    {"LoopRepeatOne", {"选项(&X)", "循环播放(&X)", "单首(&D)"},
     [](GlueWindow& w) {
         EXPECT_TRUE(w.form().xunhuan1[1].checked);
         EXPECT_FALSE(w.form().xunhuan1[0].checked);
     }},
    {"LoopNone", {"选项(&X)", "循环播放(&X)", "禁止(&J)"},
     [](GlueWindow& w) {
         EXPECT_TRUE(w.form().xunhuan1[2].checked);
         EXPECT_FALSE(w.form().xunhuan1[0].checked);
     }},
    {"NoPicturesInLoopAll", {"选项(&X)", "全部循环时禁止播放图片(&J)"},
     [](GlueWindow& w) { EXPECT_TRUE(w.form().xuanxiang1[1].checked); }},
    {"ShowDirectories", {"选项(&X)", "显示列表文件目录(&L)"},
     [](GlueWindow& w) {
         EXPECT_TRUE(w.form().xuanxiang1[2].checked);
         EXPECT_EQ(w.form().liebiao[0].caption, glueMedia().list()[0]);
     }},
    {"RandomStartPicture", {"选项(&X)", "随机开始画面(&S)"},
     [](GlueWindow& w) { EXPECT_TRUE(w.form().xuanxiang1[8].checked); }},
    {"FloatingToolbar", {"选项(&X)", "打开浮动工具条(&F)"},
     [](GlueWindow& w) { EXPECT_EQ(w.form().xuanxiang1[10].caption, "关闭浮动工具条(&F)"); }},
    {"Mute", {"音频(&A)", "静音开关(&K)"},
     [](GlueWindow& w) {
         EXPECT_TRUE(w.form().yinping1[0].checked);
         EXPECT_EQ(w.form().state.mute_state, "已选择");
     }},
    {"VolumePreset", {"音频(&A)", "音量(&A)", "3(&C)"},
     [](GlueWindow& w) { EXPECT_EQ(w.form().state.shengyin_shu, AudioValues::preset(2)); }},
    {"SortByFileName", {"排序", "按文件名称排序(&W)"},
     [](GlueWindow& w) {
         EXPECT_EQ(w.entries(), sorted(glueMedia().list()));
         EXPECT_TRUE(w.form().paixu1[1].checked);
     }},
    {"NextEntry", {"快捷(&K)", "下一首(&D)"},
     [](GlueWindow& w) {
         EXPECT_EQ(w.currentEntry(), 1);
         EXPECT_TRUE(w.form().kuaijiecaidan1[8].checked);
         EXPECT_FALSE(w.form().kuaijiecaidan1[9].checked);
     }},
    {"PreviousEntry", {"快捷(&K)", "上一首(&U)"},
     [](GlueWindow& w) {
         EXPECT_EQ(w.currentEntry(), 2);
         EXPECT_TRUE(w.form().kuaijiecaidan1[7].checked);
     }},
    {"NoNewsPopups", {"帮助(&H)", "禁止弹出新闻资讯(&X)"},
     [](GlueWindow& w) { EXPECT_TRUE(w.form().bangzhu1[5].checked); }},
    {"Features", {"帮助(&H)", "功能介绍(&Y)"},
     [](GlueWindow& w) {
         EXPECT_EQ(w.openedUrls, QList<QUrl>{QUrl::fromLocalFile(w.form().helpMenu.featuresPath())});
     }},
    {"HomePage", {"帮助(&H)", "软件主页(&H)"},
     [](GlueWindow& w) { EXPECT_EQ(w.openedUrls, QList<QUrl>{QUrl(HelpMenu::homePage() + "/")}); }},
    {"AboutBox", {"帮助(&H)", "关于...(&C)"},
     [](GlueWindow& w) { EXPECT_EQ(w.closer.closedDialogs.size(), 1); }},
    {"NewsPopup", {"帮助(&H)", "新闻资讯(&W)"},
     [](GlueWindow&) {
         const QWidgetList windows = QApplication::topLevelWidgets();
         EXPECT_EQ(std::count_if(windows.cbegin(), windows.cend(),
                                 [](QWidget* w) { return w->isVisible() && w->windowTitle() == "新闻资讯"; }),
                   1);
     }},
    {"PlayFileCancelled", {"文件(&F)", "播放文件(&O)"},
     [](GlueWindow& w) {
         EXPECT_EQ(w.closer.closedDialogs.size(), 1);
         EXPECT_EQ(w.entries(), glueMedia().list());
     }},
    {"SaveListCancelled", {"文件(&F)", "保存播放列表(&B)"},
     [](GlueWindow& w) {
         EXPECT_EQ(w.closer.closedDialogs.size(), 1);
         EXPECT_EQ(w.entries(), glueMedia().list());
     }},
    {"FileExit", {"文件(&F)", "退    出(&X)"}, expectStored},
    {"ShortcutExit", {"快捷(&K)", "退  出(&X)"}, expectStored},
};

class MenuItemEffect : public ::testing::TestWithParam<MenuEffect> {};

TEST_P(MenuItemEffect, ReachesTheModel)
{
    if (GetParam().missing)
        GTEST_SKIP() << GetParam().missing;
    GlueWindow w(glueMedia().list());
    w.removeSavedFiles();
    ASSERT_TRUE(w.choosePath(GetParam().path)) << GetParam().path.join(" ▸ ").toStdString();
    GetParam().expect(w);
}

INSTANTIATE_TEST_SUITE_P(Items, MenuItemEffect, ::testing::ValuesIn(kEffects), TestNames::ByName());

TEST(MainWindowMenus, ListMenuEntryBecomesTheCurrentOne)
{
    GlueWindow w(glueMedia().list());
    ASSERT_EQ(w.currentEntry(), 0);
    ASSERT_TRUE(w.chooseListEntry(2));
    EXPECT_EQ(w.currentEntry(), 2);
    EXPECT_TRUE(w.form().state.opening_entry.isEmpty());
}

} // namespace

// The news scheduler ticks every second from the start and waits, like the
// dispatcher, while an entry opens.
TEST(MainWindowNews, TheSchedulerRunsEverySecondFromTheStart)
{
    GlueWindow w(glueMedia().list());
    QTimer& timer = w.form().Timer_tan;
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 1000);
    EXPECT_TRUE(w.form().timersHeldWhileOpening.contains(&timer));
    w.form().newsScheduler.isOnline = [] { return true; };
    EXPECT_TRUE(waitUntil([&] { return w.form().newsScheduler.online_ticks > 0; }, 3000));
    EXPECT_GE(w.form().newsScheduler.popup_delay, 180);
    EXPECT_LE(w.form().newsScheduler.popup_delay, 299);
}
