#include "chrome/tray_icon.h"
#include "chrome/tray_menu.h"
#include "core/flags.h"
#include "toolbar_fixture.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

struct RecordingTrayIcon : TrayIcon {
    void add() override { calls << "add"; }
    void setTip(const QString& text) override { calls << "tip:" + text; }
    void remove() override { calls << "remove"; }
    QStringList calls;
};

struct TrayFixture : ToolbarFixture {
    TrayFixture()
    {
        tray.icon = &icon;
        tray.mainWindow = &mainWindow;
        form.wenjian1_Click = [this](int i) { commands << QStringLiteral("wenjian1:%1").arg(i); };
        form.bangzhu1_Click = [this](int i) { commands << QStringLiteral("bangzhu1:%1").arg(i); };
        form.formUnload = [this] { commands << "unload:" + form.state.closing; };
    }
    RecordingTrayIcon icon;
    Tray tray{{.state = form.state,
               .window = form.window,
               .wenjian1_Click = form.wenjian1_Click,
               .kongzhi1_Click = form.kongzhi1_Click,
               .bangzhu1_Click = form.bangzhu1_Click,
               .formUnload = form.formUnload}};
};

TEST(TrayMenu, CaptionsAndIndexes)
{
    const MenuArray menu = designedTrayMenu();
    const QStringList expected = {"0 播放文件(&O)", "1 -",   "2 播放(&B)",     "3 暂停(&P)",
                                  "4 停止(&T)",     "5 -",   "7 -",            "8 软件主页(&H)",
                                  "9 新闻资讯(&W)", "10 -",  "11 什么都不做(&M)", "12 退出(&F)"};
    QStringList seen;
    for (auto it = menu.items().cbegin(); it != menu.items().cend(); ++it)
        seen << QStringLiteral("%1 %2").arg(it.key()).arg(it.value().caption);
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(menu.at(TrayItem::News).visible);
}

TEST(TrayMenu, ItemsRunTheirCommands)
{
    struct Case { int index; QStringList commands; };
    const Case cases[] = {
        {0, {"wenjian1:0"}},  {2, {"kongzhi1:0"}}, {3, {"kongzhi1:1"}}, {4, {"kongzhi1:2"}},
        {8, {"bangzhu1:7"}}, {9, {"bangzhu1:8"}}, {11, {}},
    };
    for (const Case& c : cases) {
        TrayFixture f;
        f.tray.qmx_tuopan1_Click(c.index);
        EXPECT_EQ(f.commands, c.commands) << c.index;
        EXPECT_TRUE(f.form.state.closing.isEmpty()) << c.index;
    }
}

TEST(TrayMenu, ExitSetsClosingWaitsATenthThenUnloads)
{
    TrayFixture f;
    QElapsedTimer clock;
    clock.start();
    f.tray.qmx_tuopan1_Click(TrayItem::Exit);
    EXPECT_GE(clock.elapsed(), 100);
    EXPECT_EQ(f.commands, QStringList{"unload:" + Flag::Closing});
}

TEST(TrayIconState, AddedOnceRemovedOnce)
{
    TrayFixture f;
    f.tray.tray_add();
    f.tray.tray_set_tip("璇音坊 10.90");
    f.tray.tray_add();
    f.tray.tray_remove();
    f.tray.tray_remove();
    EXPECT_EQ(f.icon.calls, (QStringList{"add", "tip:璇音坊 10.90", "remove"}));
}

TEST(TrayIconState, LeftClickRestoresOnlyAMinimizedWindow)
{
    struct Case { WindowFrame::State now; int saved; WindowFrame::State after; int shows; };
    const Case cases[] = {
        {WindowFrame::Minimized, WindowFrame::Maximized, WindowFrame::Maximized, 1},
        {WindowFrame::Minimized, WindowFrame::Normal, WindowFrame::Normal, 1},
        {WindowFrame::Normal, WindowFrame::Maximized, WindowFrame::Normal, 0},
        {WindowFrame::Maximized, WindowFrame::Normal, WindowFrame::Maximized, 0},
    };
    for (const Case& c : cases) {
        TrayFixture f;
        f.window.state = c.now;
        f.form.state.saved_window_state = c.saved;
        f.tray.leftClick();
        EXPECT_EQ(f.window.state, c.after) << c.now;
        EXPECT_EQ(f.mainWindow.shows, c.shows) << c.now;
    }
}

} // namespace
