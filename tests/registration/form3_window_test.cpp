#include "registration_fixture.h"

#include "chrome/window/skinned_button_view.h"
#include "platform/twips.h"
#include "registration/window/form3_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct WindowFixture : RegistrationFixture {
    WindowFixture()
    {
        form3.show();
        window.show();
    }
    QList<SkinnedButtonView*> buttons() const { return window.findChildren<SkinnedButtonView*>(); }
    Form3Window window{form3, desktop.appDir()};
};

TEST(Form3Window, LaidOutAsDesigned)
{
    WindowFixture f;
    EXPECT_EQ(f.window.windowTitle(), "类型注册");
    EXPECT_EQ(f.window.parent(), nullptr) << "usable while the main window is disabled";
    EXPECT_EQ(f.window.minimumSize(), f.window.maximumSize());
    EXPECT_EQ(f.window.width(), twipsToPixels(Form3Window::kClientWidth));
    const char* captions[] = {"光盘文件", "图象文件", "视频文件", "音频文件", "列表文件", "Flash文件"};
    for (int g = 0; g < RegistrationTypes::kGroupCount; ++g) {
        EXPECT_EQ(f.window.frame(g)->title(), QString::fromUtf8(captions[g]));
        EXPECT_EQ(f.window.frame(g)->isVisible(), g != RegistrationTypes::Flash) << g;
    }
    for (int i = 0; i < RegistrationTypes::kCount; ++i) {
        const int group = RegistrationTypes::table()[i].group;
        EXPECT_EQ(f.window.label(i)->text(), RegistrationTypes::extension(i));
        EXPECT_EQ(f.window.checkBox(i)->parentWidget(), f.window.frame(group)) << i;
        EXPECT_EQ(f.window.checkBox(i)->isVisible(), i != RegistrationTypes::kFlash) << i;
        EXPECT_TRUE(f.window.frame(group)->rect().contains(f.window.label(i)->geometry())) << i;
    }
    QStringList shown;
    for (SkinnedButtonView* b : f.buttons()) {
        shown << b->text();
        EXPECT_FALSE(b->face().isNull()) << "the shipped face";
    }
    EXPECT_EQ(shown, QStringList({"选择所有项", "清除所有项", "注    册", "关    闭"}));
}

TEST(Form3Window, ALabelTogglesItsBox)
{
    WindowFixture f;
    QTest::mouseClick(f.window.label(4), Qt::LeftButton);
    EXPECT_EQ(f.form3.Check1[4], 1);
    EXPECT_TRUE(f.window.checkBox(4)->isChecked());
    QTest::mouseClick(f.window.label(4), Qt::LeftButton);
    EXPECT_EQ(f.form3.Check1[4], 0);
    EXPECT_FALSE(f.window.checkBox(4)->isChecked());
    QTest::mouseClick(f.window.checkBox(6), Qt::LeftButton);
    EXPECT_EQ(f.form3.Check1[6], 1);
}

TEST(Form3Window, ButtonsCheckAllAndClose)
{
    WindowFixture f;
    const QList<SkinnedButtonView*> b = f.buttons();
    ASSERT_EQ(b.size(), 4);
    QTest::mouseClick(b[0], Qt::LeftButton);
    for (int i = 0; i < RegistrationTypes::kCount; ++i)
        EXPECT_TRUE(f.window.checkBox(i)->isChecked()) << i;
    EXPECT_EQ(f.form3.Check1[RegistrationTypes::kFlash], 1) << "the hidden box is set too";
    EXPECT_EQ(b[0]->captionColour(), QColor(0, 0, 255));
    QTest::mouseClick(b[1], Qt::LeftButton);
    EXPECT_FALSE(f.window.checkBox(0)->isChecked());
    QTest::mouseClick(b[3], Qt::LeftButton);
    EXPECT_FALSE(f.window.isVisible());
    EXPECT_FALSE(f.form3.isLoaded());
}

TEST(Form3Window, TheCloseBoxUnloads)
{
    WindowFixture f;
    f.window.close();
    EXPECT_FALSE(f.window.isVisible());
    EXPECT_FALSE(f.form3.isLoaded());
}

} // namespace
