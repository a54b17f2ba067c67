// The fitted placement (pictures and start pictures), the window-height
// rule and the zoom placement rule, run by the display refresh.
#include "picture_fixture.h"

#include "core/display_mode.h"

#include <gtest/gtest.h>

namespace {

constexpr double kStandard = 8740; // outer height 9000 at load, less 260
constexpr double kBorder = FakeWindowFrame::kBorderHeight;

struct FitCase {
    const char* name;
    WindowFrame::State state;
    double width, height;     // Image2, twips
    TwipsRect frame;          // expected Picture1
    double windowHeight;      // expected outer height
};

// Content width W = 10100; threshold 3990 + 500.
TEST(FittedPlacementTest, NormalAndMaximizedWindows)
{
    const QList<FitCase> cases = {
        // fitH = 7575 >= 4490: the window grows by the difference.
        {"normal tall", WindowFrame::Normal, 4000, 3000, {180, 350, 10100, 7575},
         7575 + kStandard - 4490},
        // fitH = 2525: standard height, centred in the area computed again
        // (client 8140: T 350, B 7790 -> 4070 - 1262.5, to even).
        {"normal flat", WindowFrame::Normal, 4000, 1000, {180, 2808, 10100, 2525}, kStandard},
        // Maximized, flatter than the area (H = 7700): full width, centred.
        {"maximized flat", WindowFrame::Maximized, 4000, 1000, {180, 2938, 10100, 2525}, 9000},
        // Taller: full height 7700, width 1925, centred (5230 - 962.5, to even).
        {"maximized tall", WindowFrame::Maximized, 1000, 4000, {4268, 350, 1925, 7700}, 9000},
        {"minimized", WindowFrame::Minimized, 4000, 3000, {1, 2, 3, 4}, 9000},
    };
    for (const FitCase& c : cases) {
        PictureFixture f;
        f.window.state = c.state;
        f.picture1.setPlace({1, 2, 3, 4});
        f.setNaturalSize(c.width, c.height);
        f.form.shijian2();
        EXPECT_EQ(f.frame(), c.frame) << c.name;
        EXPECT_EQ(f.window.height(), c.windowHeight) << c.name;
        // The picture and the second player fill the frame.
        EXPECT_EQ(f.image1.width(), c.frame.width) << c.name;
        EXPECT_EQ(f.image1.height(), c.frame.height) << c.name;
        EXPECT_EQ(f.player2.width(), c.frame.width) << c.name;
        EXPECT_EQ(f.image1.picture().cacheKey(), f.image2.picture().cacheKey()) << c.name;
    }
}

TEST(FittedPlacementTest, WindowHeightRuleAtTheThreshold)
{
    // W x h / w exactly 4490 reaches the threshold: height 4490 + standard - 4490.
    PictureFixture f;
    f.setNaturalSize(10100, 4490);
    f.form.shijian2();
    EXPECT_EQ(f.window.height(), kStandard);
    EXPECT_EQ(f.frame(), (TwipsRect{180, 350, 10100, 4490}));

    f.setNaturalSize(10100, 4489);
    f.form.shijian2();
    EXPECT_EQ(f.window.height(), kStandard);
    EXPECT_EQ(f.frame().top, std::nearbyint((350 + kStandard - kBorder - 350) / 2 - 4489.0 / 2));
}

TEST(FittedPlacementTest, NineFrameBackgroundMovesTheAreaUp)
{
    PictureFixture f;
    f.form.state.top_offset = 480; // T = 370, threshold 4470
    f.setNaturalSize(4000, 3000);
    f.form.shijian2();
    EXPECT_EQ(f.frame(), (TwipsRect{180, 370, 10100, 7575}));
    EXPECT_EQ(f.window.height(), 7575 + kStandard - 4470);
}

TEST(FittedPlacementTest, NoPictureGivesAFlatFrame)
{
    PictureFixture f;
    f.form.shijian2();
    EXPECT_EQ(f.frame().height, 0);
    EXPECT_EQ(f.frame().width, 10100);
    EXPECT_EQ(f.window.height(), kStandard);
}

// In a start-picture mode a moving start picture gives its own size.
TEST(FittedPlacementTest, StartVideoGivesItsOwnSize)
{
    PictureFixture f;
    f.form.state.display_mode = DisplayMode::Idle;
    f.player2.videos["/v.mp4"] = QSize(320, 240);
    f.player2.setUrl("/v.mp4");
    f.setNaturalSize(4000, 1000);
    f.form.shijian2();
    EXPECT_EQ(f.frame().height, 7575);
    // In the picture mode the refresh empties the second player: Image2 counts.
    f.form.state.display_mode = DisplayMode::Picture;
    f.form.shijian2();
    EXPECT_EQ(f.frame().height, 2525);
}

struct ZoomCase {
    const char* name;
    TwipsRect before;
    double left, top; // expected
};

// In a maximized window, which keeps its size: L 180, R 10280 (W 10100);
// T 350, B 8050 (H 7700).
TEST(ZoomPlacementTest, CentresSmallFramesAndClosesGaps)
{
    const QList<ZoomCase> cases = {
        {"small: centred", {0, 0, 4000, 2000}, 5230 - 2000, 4200 - 1000},
        {"gap at the right/bottom: pushed back", {-15000, -15000, 20000, 20000}, 10280 - 20000,
         8050 - 20000},
        {"gap at the left/top: pulled back", {500, 400, 20000, 20000}, 180, 350},
        {"covers the area: stays", {-5000, -4000, 20000, 20000}, -5000, -4000},
        {"edges exactly at R and B: stay", {10280 - 20000, 8050 - 20000, 20000, 20000},
         10280 - 20000, 8050 - 20000},
        {"exactly W wide: centred", {900, 0, 10100, 7700}, 180, 350},
    };
    for (const ZoomCase& c : cases) {
        PictureFixture f;
        f.form.state.display_mode = DisplayMode::Zoom;
        f.window.state = WindowFrame::Maximized;
        f.setNaturalSize(4000, 1000);
        f.picture1.setPlace(c.before);
        f.form.shijian2();
        EXPECT_EQ(f.frame().left, c.left) << c.name;
        EXPECT_EQ(f.frame().top, c.top) << c.name;
        EXPECT_EQ(f.frame().width, c.before.width) << c.name;
    }
}

// The zoom mode sizes the window by the picture fitted to the content
// width, not by the zoomed frame.
TEST(ZoomPlacementTest, WindowHeightFollowsTheFittedPicture)
{
    const QList<std::tuple<WindowFrame::State, double, double>> cases = {
        {WindowFrame::Normal, 3000, 7575 + kStandard - 4490},
        {WindowFrame::Normal, 1000, kStandard},
        {WindowFrame::Maximized, 3000, 9000},
    };
    for (const auto& [state, height, expected] : cases) {
        PictureFixture f;
        f.form.state.display_mode = DisplayMode::Zoom;
        f.window.state = state;
        f.setNaturalSize(4000, height);
        f.picture1.setPlace({0, 0, 40000, 30000});
        f.form.shijian2();
        EXPECT_EQ(f.window.height(), expected) << height;
    }
}

} // namespace
