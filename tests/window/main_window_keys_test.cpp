// The ways into the menus besides choosing an item: the Alt keys and the
// label menu bar across the window's top.
#include "tests/window/glue_window.h"
#include "tests/window/glue_media.h"

#include "chrome/window/menu_label.h"
#include "core/window/list_menu_popup.h"
#include "doubles/test_names.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The list popup has no title; every other popup is a menu.
QString popupName(QWidget* popup)
{
    if (qobject_cast<ListMenuPopup*>(popup))
        return "列表";
    if (auto* menu = qobject_cast<QMenu*>(popup))
        return menu->title();
    return popup ? popup->metaObject()->className() : QString();
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    QString menu;
};

const QList<KeyCase> kAltKeys = {
    {"AltF", Qt::Key_F, "文件(&F)"}, {"AltC", Qt::Key_C, "控制(&C)"},
    {"AltA", Qt::Key_A, "音频(&A)"}, {"AltT", Qt::Key_T, "图像(&T)"},
    {"AltX", Qt::Key_X, "选项(&X)"}, {"AltL", Qt::Key_L, "列表"},
    {"AltP", Qt::Key_P, "排序"},     {"AltH", Qt::Key_H, "帮助(&H)"},
};

class AltKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(AltKey, PopsUpItsMenu)
{
    GlueWindow w(glueMedia().list());
    w.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window()));
    QTest::keyClick(&w.window(), GetParam().key, Qt::AltModifier);
    ASSERT_TRUE(waitUntil([] { return QApplication::activePopupWidget() != nullptr; }));
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_EQ(popupName(popup), GetParam().menu);
    popup->close();
}

INSTANTIATE_TEST_SUITE_P(Keys, AltKey, ::testing::ValuesIn(kAltKeys), TestNames::ByName());

MenuLabel* barLabel(MainWindow& window, const QString& text)
{
    for (MenuLabel* label : window.findChildren<MenuLabel*>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

struct LabelCase {
    const char* name;
    QString label;
    Qt::MouseButton button;
    QString menu;
};

const QList<LabelCase> kLabels = {
    {"File", "文件", Qt::LeftButton, "文件(&F)"},
    {"Control", "控制", Qt::LeftButton, "控制(&C)"},
    {"Audio", "音频", Qt::LeftButton, "音频(&A)"},
    {"Image", "图像", Qt::LeftButton, "图像(&T)"},
    {"Options", "选项", Qt::LeftButton, "选项(&X)"},
    {"List", "列表", Qt::LeftButton, "列表"},
    {"ListRightButtonSorts", "列表", Qt::RightButton, "排序"},
    {"Help", "帮助", Qt::LeftButton, "帮助(&H)"},
};

class LabelBarSlot : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelBarSlot, ClickPopsUpItsMenuBelowTheLabel)
{
    GlueWindow w(glueMedia().list());
    MenuLabel* label = barLabel(w.window(), GetParam().label);
    ASSERT_NE(label, nullptr);
    // Most label menus run until they close: the closer takes them.
    w.closer.catchNextPopup();
    QTest::mouseClick(label, GetParam().button);
    ASSERT_TRUE(waitUntil([&] { return w.closer.popupCaught(); }));
    EXPECT_EQ(popupName(w.closer.caughtPopup()), GetParam().menu);
    if (GetParam().button == Qt::LeftButton) {
        // Left-aligned just below the label.
        const QPoint below = label->mapToGlobal(QPoint(0, label->height()));
        EXPECT_NEAR(w.closer.caughtPopup()->geometry().top(), below.y(), 6);
        EXPECT_NEAR(w.closer.caughtPopup()->geometry().left(), below.x(), 6);
    }
    EXPECT_TRUE(w.form().menuBar.highlightVisible());
}

INSTANTIATE_TEST_SUITE_P(Labels, LabelBarSlot, ::testing::ValuesIn(kLabels), TestNames::ByName());

TEST(LabelBar, OtherRightClicksPopUpNothing)
{
    GlueWindow w(glueMedia().list());
    MenuLabel* label = barLabel(w.window(), "文件");
    ASSERT_NE(label, nullptr);
    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

} // namespace
