#include "chrome/skinned_button.h"
#include "chrome/window/skinned_button_view.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using Face = SkinnedButtons::Face;

struct Step {
    const char* name;
    std::function<void(SkinnedButtons&)> act;
    Face face0, face1;
    bool blue0, blue1;
    int hover;
};

class SkinnedButtonRules : public testing::TestWithParam<Step> {};

// Each case starts from button 0 lit by the pointer, then acts.
TEST_P(SkinnedButtonRules, FacesColoursAndHover)
{
    SkinnedButtons buttons({"选择所有项", "清除所有项"});
    buttons.pointerOverButton(0);
    GetParam().act(buttons);
    EXPECT_EQ(buttons.button(0).face, GetParam().face0);
    EXPECT_EQ(buttons.button(1).face, GetParam().face1);
    EXPECT_EQ(buttons.button(0).blue, GetParam().blue0);
    EXPECT_EQ(buttons.button(1).blue, GetParam().blue1);
    EXPECT_EQ(buttons.hoverButton(), GetParam().hover);
}

INSTANTIATE_TEST_SUITE_P(
    Events, SkinnedButtonRules,
    testing::Values(
        Step{"Hovered", [](SkinnedButtons&) {}, Face::Hover, Face::Away, true, false, 0},
        Step{"Pressed", [](SkinnedButtons& b) { b.pressed(0); }, Face::Pressed, Face::Away, true, false, 0},
        Step{"Released", [](SkinnedButtons& b) { b.pressed(0); b.released(0); }, Face::Hover, Face::Away, true,
             false, 0},
        Step{"StraightOntoAnother", [](SkinnedButtons& b) { b.pointerOverButton(1); }, Face::Hover, Face::Hover,
             true, true, 1},
        Step{"AcrossTheBackground", [](SkinnedButtons& b) { b.pointerOverButton(1); b.pointerOverBackground(); },
             Face::Away, Face::Away, false, false, -1},
        Step{"PressedStaysWhileMoving", [](SkinnedButtons& b) { b.pressed(0); b.pointerOverButton(0); },
             Face::Pressed, Face::Away, true, false, 0},
        Step{"OutOfRangeIgnored", [](SkinnedButtons& b) { b.pointerOverButton(5); b.pressed(-1); }, Face::Hover,
             Face::Away, true, false, 0}),
    [](const testing::TestParamInfo<Step>& testInfo) { return std::string(testInfo.param.name); });

TEST(SkinnedButtonRules, FaceFilesAreTheShippedPictures)
{
    for (Face face : {Face::Hover, Face::Pressed, Face::Away})
        EXPECT_FALSE(QImage(QStringLiteral(SHIPPED_DATA_DIR "/") + SkinnedButtons::faceFile(face)).isNull());
    EXPECT_EQ(SkinnedButtons::faceFile(Face::Hover), QStringLiteral("tubiao/按钮_移上.jpg"));
    EXPECT_EQ(SkinnedButtons::faceFile(Face::Pressed), QStringLiteral("tubiao/按钮_按下.jpg"));
    EXPECT_EQ(SkinnedButtons::faceFile(Face::Away), QStringLiteral("tubiao/按钮_移走.jpg"));
}

void send(QWidget* w, QEvent::Type type, Qt::MouseButton button = Qt::NoButton)
{
    const QPointF at(5, 5);
    QMouseEvent event(type, at, w->mapToGlobal(at), button, type == QEvent::MouseMove ? Qt::NoButton : button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

struct RowFixture : testing::Test {
    QWidget window;
    SkinnedButtons buttons{{"注    册", "关    闭"}};
    SkinnedButtonRow* row = new SkinnedButtonRow(buttons, QStringLiteral(SHIPPED_DATA_DIR), &window);
    QImage faceFile(Face face) const
    {
        return QImage(QStringLiteral(SHIPPED_DATA_DIR "/") + SkinnedButtons::faceFile(face));
    }
    void SetUp() override
    {
        window.resize(300, 100);
        row->view(0)->setGeometry(10, 10, 89, 25);
        row->view(1)->setGeometry(110, 10, 89, 25);
    }
};

TEST_F(RowFixture, PointerAndClicksDriveTheFaces)
{
    SkinnedButtonView* first = row->view(0);
    EXPECT_EQ(first->face(), faceFile(Face::Away));
    send(first, QEvent::MouseMove);
    EXPECT_EQ(buttons.hoverButton(), 0);
    EXPECT_EQ(first->face(), faceFile(Face::Hover));
    EXPECT_EQ(first->captionColour(), QColor(0, 0, 255));

    int clicked = -1;
    QObject::connect(row, &SkinnedButtonRow::clicked, [&](int i) { clicked = i; });
    send(first, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(first->face(), faceFile(Face::Pressed));
    send(first, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(first->face(), faceFile(Face::Hover));
    EXPECT_EQ(clicked, 0);

    send(&window, QEvent::MouseMove);
    EXPECT_EQ(buttons.hoverButton(), -1);
    EXPECT_EQ(first->face(), faceFile(Face::Away));
    EXPECT_EQ(first->captionColour(), first->palette().color(QPalette::ButtonText));
}

TEST_F(RowFixture, ReadAsPushButtonsNamedByTheirCaptions)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(row->view(1));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("关    闭"));
}

TEST_F(RowFixture, MissingFaceFileKeepsThePreviousFace)
{
    QWidget other;
    SkinnedButtons alone({"x"});
    SkinnedButtonRow missing(alone, QStringLiteral("/nonexistent"), &other);
    alone.pointerOverButton(0);
    EXPECT_TRUE(missing.view(0)->face().isNull());
}

} // namespace
