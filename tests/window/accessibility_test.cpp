// What a screen reader gets from the main window: its title, the status
// line's text and every menu item with its check mark.
#include "core/window/main_window.h"
#include "core/window/menu_view.h"

#include <QAccessible>
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
