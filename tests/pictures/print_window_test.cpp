// The print preview window on the offscreen platform: its texts, its fixed
// size, and input from its controls reaching the handlers.
#include "print_fixture.h"

#include "pictures/window/preview_page.h"
#include "pictures/window/print_preview_window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct PrintWindowTest : ::testing::Test {
    PrintWindowTest() { f.preview().gaibian_all(); }

    QLineEdit* edit(const char* accessibleName) const
    {
        for (QLineEdit* e : window.findChildren<QLineEdit*>())
            if (e->accessibleName() == QString::fromUtf8(accessibleName))
                return e;
        return nullptr;
    }
    QStringList texts() const
    {
        QStringList all;
        for (QLabel* l : window.findChildren<QLabel*>())
            all << l->text();
        for (QGroupBox* g : window.findChildren<QGroupBox*>())
            all << g->title();
        for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
            all << b->text();
        QComboBox* combo = window.findChild<QComboBox*>();
        for (int i = 0; i < combo->count(); ++i)
            all << combo->itemText(i);
        return all;
    }

    PrintFixture f;
    PrintPreviewWindow window{f.preview(), f.form.programDir, nullptr};
};

TEST_F(PrintWindowTest, ShowsEveryCaptionAtItsFixedSize)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("预览及打印图象"));
    const QStringList all = texts();
    for (const char* text : {"  A2  ", "  A3  ", "  A4  ", "  A5  ", "  B4  ", "  B5  ", "自定义",
                             "纵向", "横向", "缩放:", "左距:", "顶距:", "宽度:", "高度:", "左右居中",
                             "上下居中", "缩放后的打印尺寸", "尺寸控制", "打印控制", "×", "毫米",
                             "打 印(&P)", "关 闭(&F)", "打印机(&D)"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(text))) << text;
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.window()->findChild<QComboBox*>()->currentText(), QStringLiteral("  A4  "));
    EXPECT_EQ(edit("宽度")->text(), QStringLiteral("210.0"));
}

TEST_F(PrintWindowTest, TypingInTheBoxesRunsTheLayout)
{
    window.show();
    QLineEdit* width = edit("纸张宽度");
    width->setFocus();
    width->selectAll();
    QTest::keyClicks(width, QStringLiteral("148"));
    QLineEdit* height = edit("纸张高度");
    height->setFocus();
    height->selectAll();
    QTest::keyClicks(height, QStringLiteral("210"));
    EXPECT_EQ(f.state().Combo1, QStringLiteral("  A5  "));
    EXPECT_EQ(f.state().Shape1.width, 4535);

    QLineEdit* scale = edit("缩放");
    scale->setFocus();
    scale->selectAll();
    QTest::keyClicks(scale, QStringLiteral("50"));
    EXPECT_EQ(f.state().Text1[0].text, QStringLiteral("50"));
    EXPECT_EQ(f.state().Slider1[0].value, 50);
    EXPECT_EQ(edit("宽度")->text(), f.state().Text1[3].text);
}

TEST_F(PrintWindowTest, SlidersAndCentringReachTheModel)
{
    QSlider* left = nullptr;
    for (QSlider* s : window.findChildren<QSlider*>())
        if (s->accessibleName() == QStringLiteral("左距"))
            left = s;
    ASSERT_NE(left, nullptr);
    left->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(f.state().Slider1[1].value, left->pageStep());
    EXPECT_NE(f.state().Text1[1].text, QStringLiteral("0.0"));
    EXPECT_EQ(left->toolTip(), QStringLiteral("左距 %1%").arg(left->pageStep()));

    QCheckBox* centre = window.findChildren<QCheckBox*>().first();
    centre->click();
    f.preview().gaibian_all();
    EXPECT_FALSE(edit("左距")->isEnabled());
}

TEST_F(PrintWindowTest, PressOnThePictureOutlinesIt)
{
    window.show();
    auto* page = window.findChild<PreviewPage*>();
    const QPoint middle = TwipsRect{f.state().Image1.left + f.state().Image1.width / 2,
                                    f.state().Image1.top + f.state().Image1.height / 2, 0, 0}
                              .toPixels()
                              .topLeft();
    QTest::mousePress(page, Qt::LeftButton, {}, middle);
    EXPECT_TRUE(f.state().Shape3Visible);
    QTest::mouseRelease(page, Qt::LeftButton, {}, middle);
    EXPECT_FALSE(f.state().Shape3Visible);
}

TEST_F(PrintWindowTest, CloseBoxOnlyHides)
{
    QObject context;
    f.preview().showWindow.connect(&context, [this] { window.show(); });
    f.preview().hideWindow.connect(&context, [this] { window.hide(); });
    f.preview().show();
    f.preview().Text1_Change(0, QStringLiteral("70"));
    EXPECT_TRUE(window.isVisible());
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(f.preview().isVisible());
    f.preview().show();
    EXPECT_EQ(edit("缩放")->text(), QStringLiteral("70"));
}

} // namespace
