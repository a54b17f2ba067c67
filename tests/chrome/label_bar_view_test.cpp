#include "chrome/label_menu_bar.h"
#include "chrome/window/label_bar_view.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void send(QWidget* w, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF at(5, 5);
    QMouseEvent event(type, at, w->mapToGlobal(at), button,
                      type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

} // namespace

TEST(LabelBarView, LabelsSitAtTheirDesignedPlaces)
{
    QWidget window;
    LabelMenuBar bar;
    LabelBarView view(bar, &window);
    const QStringList names = {"文件", "控制", "音频", "图像", "选项", "列表", "帮助"};
    for (int i = 0; i < LabelMenuBar::kLabels; ++i) {
        EXPECT_EQ(view.label(i)->geometry(), QRect(8 + 56 * i, 4, 57, 13)) << i;
        EXPECT_EQ(view.label(i)->accessibleName(), names[i]);
    }
}

TEST(LabelBarView, PointerAndButtonsReachTheBar)
{
    QWidget window;
    LabelMenuBar bar;
    LabelBarView view(bar, &window);
    QList<int> popped;
    int sorts = 0;
    bar.popupMenu = [&](int i, QPointF) { popped << i; };
    bar.popupSortMenu = [&] { ++sorts; };

    send(view.label(3), QEvent::MouseMove, Qt::NoButton);
    EXPECT_TRUE(bar.highlightVisible());
    EXPECT_EQ(bar.highlightPlace().left, 120 + 840 * 3 - 50);
    send(view.label(2), QEvent::MouseButtonRelease, Qt::LeftButton);
    send(view.label(5), QEvent::MouseButtonRelease, Qt::RightButton);
    send(view.label(4), QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(popped, QList<int>{2});
    EXPECT_EQ(sorts, 1);
}

TEST(LabelBarView, AssistiveTechnologiesSeeButtonsThatOpenTheMenus)
{
    QWidget window;
    LabelMenuBar bar;
    LabelBarView view(bar, &window);
    QList<int> popped;
    bar.popupMenu = [&](int i, QPointF) { popped << i; };

    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(view.label(6));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->role(), QAccessible::Button);
    EXPECT_EQ(label->text(QAccessible::Name), "帮助");
    EXPECT_TRUE(label->state().hasPopup);
    ASSERT_NE(label->actionInterface(), nullptr);
    label->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(popped, QList<int>{6});
    EXPECT_TRUE(bar.highlightVisible());
    EXPECT_EQ(bar.highlightColour(), LabelMenuBar::pressedColour());
}
