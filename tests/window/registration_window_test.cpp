// Options ▸ "类型注册(&Z)" on the real main window: the registration window
// shows on its own, the main window is disabled until it closes.
#include "tests/window/glue_window.h"

#include "chrome/window/skinned_button_view.h"
#include "registration/window/form3_window.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

Form3Window* shownRegistrationWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* form3 = qobject_cast<Form3Window*>(w); form3 && form3->isVisible())
            return form3;
    }
    return nullptr;
}

TEST(RegistrationWindow, OpensFromTheOptionsMenuAndDisablesTheMainWindow)
{
    GlueWindow w;
    ASSERT_TRUE(w.choosePath({"选项(&X)", "类型注册(&Z)"}));
    Form3Window* registration = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (registration = shownRegistrationWindow()) != nullptr; }));
    EXPECT_FALSE(w.window().isEnabled());
    EXPECT_TRUE(registration->isEnabled());
    EXPECT_EQ(registration->windowTitle(), "类型注册");

    const QList<SkinnedButtonView*> buttons = registration->findChildren<SkinnedButtonView*>();
    ASSERT_EQ(buttons.size(), 4);
    QTest::mouseClick(buttons[3], Qt::LeftButton); // "关    闭"
    EXPECT_FALSE(registration->isVisible());
    EXPECT_TRUE(w.window().isEnabled());

    ASSERT_TRUE(w.choosePath({"选项(&X)", "类型注册(&Z)"}));
    ASSERT_TRUE(waitUntil([&] { return shownRegistrationWindow() == registration; })) << "the same window again";
    registration->close();
    EXPECT_TRUE(w.window().isEnabled());
}

} // namespace
