// The List menu's popup with a full list of 32767 entries.
#include "window/list_menu_popup.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QListView>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct FullList {
    FullList()
    {
        for (int i = 0; i < 32767; ++i)
            items[i].caption = QStringLiteral("/home/user/音乐/专辑 %1/%2 - 歌曲.mp3").arg(i / 12).arg(i);
        items[20000].checked = true;
    }
    MenuArray items;
    ListMenuPopup popup{items};
    QListView* view() const { return popup.view(); }
};

TEST(ListMenuPopup, OpensScrolledToCurrentEntry)
{
    FullList f;
    f.popup.popup(QCursor::pos()); // under the pointer, as after a click
    QApplication::processEvents();
    ASSERT_TRUE(f.popup.isVisible());
    EXPECT_EQ(f.view()->model()->rowCount(), 32767);
    const QModelIndex current = f.view()->currentIndex();
    EXPECT_EQ(current.row(), 20000);
    EXPECT_EQ(current.data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(f.view()->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_TRUE(f.view()->viewport()->rect().intersects(f.view()->visualRect(current)));
    EXPECT_LE(f.popup.height(), QGuiApplication::primaryScreen()->availableGeometry().height());
}

TEST(ListMenuPopup, ClickPlaysEntryAndCloses)
{
    FullList f;
    f.popup.popup(QPoint(20, 20));
    QSignalSpy clicked(&f.popup, &ListMenuPopup::itemClicked);
    const QModelIndex row = f.view()->model()->index(20001, 0);
    QTest::mouseClick(f.view()->viewport(), Qt::LeftButton, {}, f.view()->visualRect(row).center());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 20001);
    EXPECT_FALSE(f.popup.isVisible());
}

TEST(ListMenuPopup, KeysMoveChooseAndClose)
{
    FullList f;
    QSignalSpy clicked(&f.popup, &ListMenuPopup::itemClicked);
    f.popup.popup(QPoint(20, 20));
    QTest::keyClick(f.view(), Qt::Key_Escape);
    EXPECT_FALSE(f.popup.isVisible());
    EXPECT_EQ(clicked.count(), 0);

    f.popup.popup(QPoint(20, 20));
    QTest::keyClick(f.view(), Qt::Key_Down);
    QTest::keyClick(f.view(), Qt::Key_Return);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 20001);
}

TEST(ListMenuPopup, ShowsTheListAsItIsWhenOpened)
{
    MenuArray items;
    items[0].caption = "列表0";
    ListMenuPopup popup(items);
    popup.popup(QPoint(0, 0));
    EXPECT_EQ(popup.view()->model()->rowCount(), 1);
    popup.hide();

    items[1].caption = "a&b.mp3";
    items[1].checked = true;
    popup.popup(QPoint(0, 0));
    EXPECT_EQ(popup.view()->model()->rowCount(), 2);
    EXPECT_EQ(popup.view()->currentIndex().row(), 1);
    EXPECT_EQ(popup.view()->currentIndex().data().toString(), "a&b.mp3");
}

// A screen reader hears every entry as a check item and which one is checked.
TEST(ListMenuPopup, EntriesAreCheckItemsForScreenReaders)
{
    MenuArray items;
    for (const char* caption : {"a.mp3", "b.mp3", "c.mp3"})
        items[int(items.items().size())].caption = caption;
    items[1].checked = true;
    ListMenuPopup popup(items);
    popup.popup(QPoint(0, 0));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(popup.view());
    ASSERT_NE(list, nullptr);
    int seen = 0;
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* row = list->child(i);
        const QString name = row->text(QAccessible::Name);
        if (!name.endsWith(".mp3"))
            continue;
        ++seen;
        EXPECT_TRUE(row->state().checkable) << name.toStdString();
        EXPECT_EQ(bool(row->state().checked), name == "b.mp3") << name.toStdString();
    }
    EXPECT_EQ(seen, 3);
}

} // namespace
