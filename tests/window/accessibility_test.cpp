// What a screen reader gets from the main window: its title, the status
// line's text and every menu item with its check mark.
#include "window/main_window.h"
#include "window/menu_view.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

QAccessibleInterface* findByName(QAccessibleInterface* root, const QString& name)
{
    if (!root)
        return nullptr;
    if (root->text(QAccessible::Name) == name)
        return root;
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* hit = findByName(root->child(i), name))
            return hit;
    }
    return nullptr;
}

TEST(Accessibility, WindowTitleAndStatusLineAreReadable)
{
    MainWindow window;
    window.show();
    window.form().ditiao.setCaption("正在播放...--第1首/总3首");

    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(QAccessible::Name), "璇音坊 10.90");
    QAccessibleInterface* status = findByName(root, "正在播放...--第1首/总3首");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->role(), QAccessible::StaticText);
}

TEST(Accessibility, MenuItemsCarryCaptionsAndCheckMarks)
{
    MenuArray items;
    items[0].caption = "播  放(&O)";
    items[1].caption = "-";
    items[2].caption = "重  播(&C)";
    items[2].checked = true;
    items[3].caption = "全屏幕(&Q)";
    items[3].enabled = false;
    MenuView menu("快捷(&K)", items);
    menu.popup(QPoint(10, 10));

    // A screen reader hears the captions without the mnemonic marker.
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&menu);
    ASSERT_NE(root, nullptr);
    QAccessibleInterface* replay = findByName(root, "重  播(C)");
    ASSERT_NE(replay, nullptr);
    EXPECT_TRUE(replay->state().checked);
    QAccessibleInterface* play = findByName(root, "播  放(O)");
    ASSERT_NE(play, nullptr);
    EXPECT_FALSE(play->state().checked);
    QAccessibleInterface* fullScreen = findByName(root, "全屏幕(Q)");
    ASSERT_NE(fullScreen, nullptr);
    EXPECT_TRUE(fullScreen->state().disabled);
    menu.close();
}

MenuView* menuTitled(const MainWindow& window, const QString& title)
{
    for (MenuView* menu : window.findChildren<MenuView*>()) {
        if (menu->title() == title)
            return menu;
    }
    return nullptr;
}

// Items the program checks and unchecks are check items also while
// unchecked, so a screen reader says "not checked"; command items are not.
TEST(Accessibility, CheckItemsOfTheWindowsMenusAreCheckItemsCheckedOrNot)
{
    MainWindow window;
    window.form().bangzhu1[5].visible = true;
    window.form().beijing1[1].caption = "背景图02.jpg";
    window.form().huamian[1].caption = "画面2.jpg";
    struct Case {
        const char* menu;
        const char* item; // as a screen reader hears it
        bool checkable;
        bool checked;
    };
    const Case cases[] = {
        {"循环播放(&X)", "全部(Q)", true, true},
        {"循环播放(&X)", "单首(D)", true, false},
        {"循环播放(&X)", "禁止(J)", true, false},
        {"音频(&A)", "静音开关(K)", true, false},
        {"音频(&A)", "增加音量(Z)", false, false},
        {"选项(&X)", "全部循环时禁止播放图片(J)", true, false},
        {"选项(&X)", "显示列表文件目录(L)", true, true},
        {"选项(&X)", "随机开始画面(S)", true, false},
        {"选项(&X)", "类型注册(Z)", false, false},
        {"排序", "按目录名称排序(M)", true, false},
        {"排序", "按文件名称排序(W)", true, false},
        {"快捷(&K)", "上一首(U)", true, false},
        {"快捷(&K)", "下一首(D)", true, false},
        {"快捷(&K)", "重  播(C)", true, true},
        {"快捷(&K)", "播  放(O)", false, false},
        {"帮助(&H)", "禁止弹出新闻资讯(X)", true, false},
        {"帮助(&H)", "关于...(C)", false, false},
        {"背景图(&B)", "背景图01", true, true},
        {"背景图(&B)", "背景图02.jpg", true, false},
        {"开始画面(&H)", "画面2.jpg", true, false},
        {"控制(&C)", "停止(S)", false, false},
        {"文件(&F)", "播放文件(O)", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.menu) + " / " + c.item);
        MenuView* menu = menuTitled(window, c.menu);
        ASSERT_NE(menu, nullptr);
        menu->popup(QPoint(10, 10));
        QAction* action = nullptr;
        for (QAction* a : menu->actions()) {
            if (QString(a->text()).remove('&') == c.item)
                action = a;
        }
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isCheckable(), c.checkable);
        EXPECT_EQ(action->isChecked(), c.checked);
        QAccessibleInterface* item = findByName(QAccessible::queryAccessibleInterface(menu), c.item);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->role(), QAccessible::MenuItem);
        EXPECT_EQ(bool(item->state().checkable), c.checkable);
        EXPECT_EQ(bool(item->state().checked), c.checked);
        menu->close();
    }
}

// Moving the mark shows at once the next time the menu opens.
TEST(Accessibility, CheckMarkMovesBetweenCheckItems)
{
    MainWindow window;
    MenuView* loop = menuTitled(window, "循环播放(&X)");
    ASSERT_NE(loop, nullptr);
    window.form().xunhuan1_Click(1);
    loop->popup(QPoint(10, 10));
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(loop);
    for (const auto& [name, checked] : {std::pair{"全部(Q)", false}, {"单首(D)", true}, {"禁止(J)", false}}) {
        QAccessibleInterface* item = findByName(root, name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_TRUE(item->state().checkable) << name;
        EXPECT_EQ(bool(item->state().checked), checked) << name;
    }
    loop->close();
}

TEST(Accessibility, MenuRebuildsFromTheArrayWhenItOpens)
{
    MenuArray items;
    items[0].caption = "甲";
    MenuView menu("列表", items);
    items[0].checked = true;
    items[1].caption = "乙";
    menu.popup(QPoint(10, 10));

    ASSERT_EQ(menu.actions().size(), 2);
    EXPECT_TRUE(menu.actions()[0]->isChecked());
    EXPECT_EQ(menu.actions()[1]->text(), "乙");
    menu.close();
}

} // namespace
