// The toolbar, the menu refresh and the tray icon in the wired main window.
#include "chrome/form_resize.h"
#include "chrome/tray_icon.h"
#include "core/designed_menus.h"
#include "core/flags.h"
#include "options/file_menu.h"
#include "toolbar_fixture.h"
#include "wiring/main_form.h"

#include <gtest/gtest.h>

namespace {

struct RecordingTrayIcon : TrayIcon {
    void add() override { calls << "add"; }
    void setTip(const QString& text) override { calls << "tip:" + text; }
    void remove() override { calls << "remove"; }
    QStringList calls;
};

struct WiredFixture : PlainControls<> {
    WiredFixture()
    {
        form.programDir = dir.path();
        QDir(dir.path()).mkpath(QStringLiteral("数据库"));
        ToolbarFixture::writeStripPictures(dir.path());
        form.form4.window = &desktop;
        form.form4.mainWindow = &mainWindow;
        form.tray.icon = &icon;
        form.tray.mainWindow = &mainWindow;
    }
    QString& toolbarItem() { return form.xuanxiang1[OptionsItem::Toolbar].caption; }

    QTemporaryDir dir;
    MainForm form{controls()};
    FakeToolbarWindow desktop;
    FakeMainWindowControl mainWindow{window};
    RecordingTrayIcon icon;
};

TEST(ToolbarWiring, LoadLeavesToolbarHiddenFoldedAndAddsTheIcon)
{
    WiredFixture f;
    f.window.state = WindowFrame::Maximized;
    f.form.formLoad();
    EXPECT_FALSE(f.desktop.visible);
    EXPECT_EQ(f.form.form4.Height(), 30);
    EXPECT_EQ(f.desktop.rect, QRect(467, 0, 280, 2));
    EXPECT_TRUE(f.form.form4.Timer1.isActive());
    EXPECT_TRUE(f.form.menuRefresh.Timer2.isActive());
    EXPECT_TRUE(f.form.tray.qmx_tuopan1[TrayItem::News].visible);
    EXPECT_EQ(f.form.state.saved_window_state, WindowFrame::Maximized);
    EXPECT_EQ(f.icon.calls, (QStringList{"add", "tip:" + f.window.title}));
    EXPECT_TRUE(f.window.title.startsWith("璇音坊 "));

    // The caption scrolls later; the tip stays.
    f.form.shijian1();
    f.form.formUnload();
    EXPECT_EQ(f.icon.calls, (QStringList{"add", "tip:" + f.icon.calls[1].mid(4), "remove"}));
    EXPECT_TRUE(QFile::exists(f.dir.filePath("数据库/选项.bfq")));
}

TEST(ToolbarWiring, EveryTimerIsHeldWhileAnEntryOpens)
{
    WiredFixture f;
    for (QTimer* timer : {&f.form.Timer1, &f.form.Timer3, &f.form.form4.Timer1,
                          &f.form.form4.Timer2, &f.form.menuRefresh.Timer2})
        EXPECT_TRUE(f.form.timersHeldWhileOpening.contains(timer));
}

TEST(ToolbarWiring, OptionsItemShowsAndHidesTheToolbar)
{
    WiredFixture f;
    f.form.formLoad();
    f.form.xuanxiang1_Click(OptionsItem::Toolbar);
    EXPECT_TRUE(f.desktop.visible);
    EXPECT_EQ(f.toolbarItem(), "关闭浮动工具条(&F)");
    f.form.xuanxiang1_Click(OptionsItem::Toolbar);
    EXPECT_FALSE(f.desktop.visible);
    EXPECT_EQ(f.toolbarItem(), "打开浮动工具条(&F)");
    // A caption that is neither leaves the toolbar alone.
    f.toolbarItem() = "浮动工具条";
    f.form.xuanxiang1_Click(OptionsItem::Toolbar);
    EXPECT_FALSE(f.desktop.visible);
}

TEST(ToolbarWiring, MinimizingShowsTheToolbar)
{
    WiredFixture f;
    f.form.formLoad();
    f.window.state = WindowFrame::Minimized;
    formResize(f.form);
    EXPECT_TRUE(f.desktop.visible);
    EXPECT_EQ(f.toolbarItem(), "关闭浮动工具条(&F)");
    // Closed by its own button, the menu refresh keeps the item in step.
    f.form.form4.Label1_Click(9);
    f.toolbarItem() = "关闭浮动工具条(&F)";
    f.form.menuRefresh.Timer2_Timer();
    EXPECT_EQ(f.toolbarItem(), "打开浮动工具条(&F)");
}

TEST(ToolbarWiring, EveryExitGoesThroughTheTrayMenu)
{
    for (bool fileMenu : {true, false}) {
        WiredFixture f;
        f.form.formLoad();
        if (fileMenu)
            f.form.wenjian1_Click(FileMenu::Exit);
        else
            f.form.kuaijiecaidan1_Click(ShortcutItem::Exit);
        EXPECT_EQ(f.form.state.closing, Flag::Closing);
        EXPECT_TRUE(f.form.Timer_end.isActive());
        EXPECT_EQ(f.icon.calls.last(), "remove");
    }
}

} // namespace
