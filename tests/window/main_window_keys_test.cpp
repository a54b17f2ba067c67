// The ways into the menus besides choosing an item: the Alt keys and the
// label menu bar across the window's top.
#include "tests/window/glue_window.h"
#include "tests/window/glue_media.h"

#include "chrome/label_menu_bar.h"
#include "chrome/window/label_bar_view.h"
#include "window/list_menu_popup.h"
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
    friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
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

QLabel* barLabel(MainWindow& window, int index)
{
    auto* bar = window.findChild<LabelBarView*>();
    return bar ? bar->label(index) : nullptr;
}

struct LabelCase {
    const char* name;
    int label;
    Qt::MouseButton button;
    QString menu;
    friend void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }
};

const QList<LabelCase> kLabels = {
    {"File", 0, Qt::LeftButton, "文件(&F)"},
    {"Control", 1, Qt::LeftButton, "控制(&C)"},
    {"Audio", 2, Qt::LeftButton, "音频(&A)"},
    {"Image", 3, Qt::LeftButton, "图像(&T)"},
    {"Options", 4, Qt::LeftButton, "选项(&X)"},
    {"List", 5, Qt::LeftButton, "列表"},
    {"ListRightButtonSorts", 5, Qt::RightButton, "排序"},
    {"Help", 6, Qt::LeftButton, "帮助(&H)"},
};

class LabelBarSlot : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelBarSlot, ClickPopsUpItsMenuBelowTheLabel)
{
    GlueWindow w(glueMedia().list());
    QLabel* label = barLabel(w.window(), GetParam().label);
    ASSERT_NE(label, nullptr);
    // Most label menus run until they close: the closer takes them.
    w.closer.catchNextPopup();
    QTest::mouseClick(label, GetParam().button);
    ASSERT_TRUE(waitUntil([&] { return w.closer.popupCaught(); }));
    EXPECT_EQ(popupName(w.closer.caughtPopup()), GetParam().menu);
    if (GetParam().button == Qt::LeftButton) {
        // Left-aligned just below the label, where the bar asks; the list
        // may move down to show its current entry.
        const int index = GetParam().label;
        const QPointF at = LabelMenuBar::popupPoint(index);
        const QPoint designed = w.window().mapToGlobal(TwipsRect{at.x(), at.y(), 0, 0}.toPixels().topLeft());
        const QRect shown = w.closer.caughtPopup()->geometry();
        EXPECT_NEAR(shown.left(), designed.x(), 3);
        EXPECT_GE(shown.top(), designed.y() - 3);
        EXPECT_LE(shown.top(), designed.y() + (GetParam().menu == "列表" ? 30 : 3));
    }
    EXPECT_TRUE(w.form().menuBar.highlightVisible());
}

INSTANTIATE_TEST_SUITE_P(Labels, LabelBarSlot, ::testing::ValuesIn(kLabels), TestNames::ByName());

TEST(LabelBar, OtherRightClicksPopUpNothing)
{
    GlueWindow w(glueMedia().list());
    QLabel* label = barLabel(w.window(), 0);
    ASSERT_NE(label, nullptr);
    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

} // namespace
