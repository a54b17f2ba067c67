// Mouse input on the picture: cursors, right-click zones, double clicks
// and dragging the zoomed picture.
#include "picture_files.h"
#include "picture_fixture.h"

#include "core/display_mode.h"

#include <gtest/gtest.h>

namespace {

struct MouseTest : ::testing::Test {
    MouseTest()
    {
        TestPictures::writeCursor(f.path("tubiao/down.cur"), {32, 32}, {3, 5}, Qt::red);
        TestPictures::writeCursor(f.path("tubiao/up.cur"), {32, 32}, {16, 16}, Qt::green);
        TestPictures::writeIcon(f.path("tubiao/move.ico"), {32, 32}, Qt::blue);
        f.image1.setPlace({0, 0, 8000, 6000});
    }
    QColor iconColour() const { return f.form.Image1Pointer.MouseIcon.pixelColor(16, 16); }
    int pointer() const { return f.form.Image1Pointer.MousePointer; }

    PictureFixture f;
};

TEST_F(MouseTest, RightClickZonesOutsideTheZoom)
{
    const QList<std::tuple<int, double, QString>> cases = {
        {2, 0, "popupImageMenu"},      {2, 4000, "popupImageMenu"},
        {2, 4001, "popupShortcutMenu"}, {2, 7999, "popupShortcutMenu"},
        {1, 100, ""},                  {4, 100, ""},
    };
    for (const auto& [button, x, call] : cases) {
        f.form.calls.clear();
        f.form.Image1_MouseUp(button, 0, x, 100);
        EXPECT_EQ(f.form.calls, call.isEmpty() ? QStringList() : QStringList{call}) << x;
        EXPECT_EQ(f.form.state.popup_origin, QString());
    }
}

TEST_F(MouseTest, CursorByHalfOutsideTheZoom)
{
    f.form.tuxiang1[7].enabled = true;
    f.form.Image1_MouseMove(0, 0, 4000, 10);
    EXPECT_EQ(pointer(), 99);
    EXPECT_EQ(iconColour(), QColor(Qt::blue));
    EXPECT_EQ(f.form.Image1Pointer.hotSpot, QPoint(16, 16)); // an icon's is its centre
    EXPECT_EQ(f.form.state.cursor_file, f.path("tubiao/move.ico"));
    EXPECT_FALSE(f.form.tuxiang1.at(7).enabled);
    EXPECT_EQ(f.form.calls, QStringList{"hoverReset"});

    f.form.Image1_MouseMove(0, 0, 4001, 10);
    EXPECT_EQ(pointer(), 0);
    f.form.Image1_MouseMove(0, 0, 10, 10);
    EXPECT_EQ(pointer(), 99);
}

TEST_F(MouseTest, TheSameCursorFileIsNotReadAgain)
{
    f.form.Image1_MouseMove(0, 0, 10, 10);
    TestPictures::writeIcon(f.path("tubiao/move.ico"), {32, 32}, Qt::yellow);
    f.form.Image1_MouseMove(0, 0, 20, 10);
    EXPECT_EQ(iconColour(), QColor(Qt::blue));
}

TEST_F(MouseTest, ZoomedPictureCursorsAndDragState)
{
    f.form.state.display_mode = DisplayMode::Zoom;
    f.form.refreshOn = false;
    f.form.Image1_MouseMove(0, 0, 7000, 10);
    EXPECT_EQ(iconColour(), QColor(Qt::green));
    EXPECT_EQ(f.form.state.cursor_file, f.path("tubiao/up.cur"));
    EXPECT_TRUE(f.form.tuxiang1.at(7).enabled);

    f.form.Image1_MouseDown(1, 0, 1200, 900);
    EXPECT_EQ(iconColour(), QColor(Qt::red));
    EXPECT_EQ(f.form.Image1Pointer.hotSpot, QPoint(3, 5));
    EXPECT_EQ(f.form.state.cursor_file, f.path("tubiao/down.cur"));
    EXPECT_EQ(f.form.state.drag_state, "开始");
    EXPECT_EQ(f.form.state.press_x, 1200);
    EXPECT_EQ(f.form.state.press_y, 900);

    f.form.Image1_MouseMove(1, 0, 1300, 900); // dragging: the down cursor stays
    EXPECT_EQ(iconColour(), QColor(Qt::red));

    f.form.Image1_MouseUp(1, 0, 1300, 900);
    EXPECT_EQ(iconColour(), QColor(Qt::green));
    EXPECT_EQ(f.form.state.drag_state, QString());
}

TEST_F(MouseTest, ZoomedPictureButtons)
{
    f.form.state.display_mode = DisplayMode::Zoom;
    f.form.Image1_MouseDown(2, 0, 10, 10); // only the left button starts a drag
    f.form.Image1_MouseDown(4, 0, 10, 10);
    EXPECT_EQ(f.form.state.drag_state, QString());

    f.form.Image1_MouseUp(2, 0, 7000, 10);
    EXPECT_EQ(f.form.state.popup_origin, "快捷");
    f.form.Image1_MouseUp(4, 0, 10, 10);
    EXPECT_EQ(f.form.calls, (QStringList{"popupImageMenu", "popupShortcutMenu"}));
}

TEST_F(MouseTest, MissingCursorFileLeavesThePreviousCursor)
{
    f.form.Image1_MouseMove(0, 0, 10, 10);
    QFile::remove(f.path("tubiao/down.cur"));
    f.form.state.display_mode = DisplayMode::Zoom;
    f.form.Image1_MouseDown(1, 0, 10, 10);
    EXPECT_EQ(iconColour(), QColor(Qt::blue));
    EXPECT_EQ(pointer(), 99);
    EXPECT_EQ(f.form.state.cursor_file, f.path("tubiao/down.cur"));
    EXPECT_EQ(f.form.state.drag_state, "开始");
}

struct DoubleClickCase {
    QString mode;
    QString status;
    QStringList calls;
};

TEST_F(MouseTest, DoubleClickByMode)
{
    const QList<DoubleClickCase> cases = {
        {DisplayMode::Cd, "正在播放CD--第1首", {"kongzhi1_Click:1"}},
        {DisplayMode::Audio, "正在播放...", {"kongzhi1_Click:1"}},
        {DisplayMode::Audio, "暂停播放...", {"kongzhi1_Click:0"}},
        {DisplayMode::Cd, "", {"kongzhi1_Click:0"}},
        {DisplayMode::Idle, "正在播放...", {}},
        {DisplayMode::Picture, "正在播放...", {}},
        {DisplayMode::Video, "正在播放...", {}},
    };
    for (const DoubleClickCase& c : cases) {
        f.form.calls.clear();
        f.form.state.display_mode = c.mode;
        f.ditiao.setCaption(c.status);
        f.form.Image1_DblClick();
        EXPECT_EQ(f.form.calls, c.calls) << c.mode.toStdString() << c.status.toStdString();
        EXPECT_EQ(f.form.state.display_mode, c.mode);
    }
}

TEST_F(MouseTest, DoubleClickOnTheZoomedPictureReturnsToNormal)
{
    f.form.state.display_mode = DisplayMode::Zoom;
    f.form.state.popup_origin = "快捷";
    f.form.Image1_DblClick();
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Picture);
    EXPECT_EQ(f.form.state.popup_origin, QString());
}

// A maximized window keeps its size: L 180, R 10280 (W 10100); T 350,
// B 8050 (H 7700). The frame 20000 x 16000 is larger than the area both ways.
struct DragTest : MouseTest {
    DragTest()
    {
        f.form.state.display_mode = DisplayMode::Zoom;
        f.window.state = WindowFrame::Maximized;
        f.setNaturalSize(4000, 1000);
    }
    void press(double x, double y) { f.form.Image1_MouseDown(1, 0, x, y); }
    void move(double x, double y) { f.form.Image1_MouseMove(1, 0, x, y); }
};

TEST_F(DragTest, MovesByTheOffsetFromThePressedPoint)
{
    f.picture1.setPlace({-2000, -1000, 20000, 16000});
    press(5000, 5000);
    move(4000, 5000); // left: the right edge is beyond R
    EXPECT_EQ(f.frame().left, -3000);
    move(6000, 4500); // right while the left edge is left of L; up
    EXPECT_EQ(f.frame().left, -2000);
    EXPECT_EQ(f.frame().top, -1500);
    move(5000, 5000); // no offset, no move
    EXPECT_EQ(f.frame().left, -2000);
}

TEST_F(DragTest, AnOvershootIsPulledBackByTheNextStep)
{
    f.picture1.setPlace({-2000, -1000, 20000, 16000});
    press(5000, 5000);
    move(10000, 5000);
    EXPECT_EQ(f.frame().left, 3000); // the move itself is not limited
    move(5000, 5000);
    EXPECT_EQ(f.frame().left, 180); // the layout put the left edge back to L
}

TEST_F(DragTest, RightEdgeAtRMovesOnlyRightwards)
{
    f.picture1.setPlace({10280 - 20000, 350, 20000, 16000});
    press(5000, 5000);
    move(4000, 5000);
    EXPECT_EQ(f.frame().left, 10280 - 20000);
    move(5500, 5000);
    EXPECT_EQ(f.frame().left, 10280 - 20000 + 500);
}

TEST_F(DragTest, ASmallFrameDoesNotMove)
{
    f.picture1.setPlace({0, 0, 6000, 4000});
    press(100, 100);
    move(900, 900);
    // Centred by the layout, not dragged.
    EXPECT_EQ(f.frame().left, 5230 - 3000);
    EXPECT_EQ(f.frame().top, 4200 - 2000);
}

TEST_F(DragTest, NoDragWithoutAPressOrAfterTheRelease)
{
    f.picture1.setPlace({-2000, -1000, 20000, 16000});
    move(100, 100);
    EXPECT_EQ(f.frame().left, -2000);
    press(5000, 5000);
    f.form.Image1_MouseUp(1, 0, 5000, 5000);
    move(100, 100);
    EXPECT_EQ(f.frame().left, -2000);
}

} // namespace
