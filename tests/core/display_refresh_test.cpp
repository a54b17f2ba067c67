// Video placement and window sizing by the display refresh.
#include "doubles/test_names.h"
#include "core/display_mode.h"
#include "lifecycle/display_refresh.h"
#include "form1_fixture.h"

#include <gtest/gtest.h>

namespace {

struct VideoCase {
    const char* name;
    friend void PrintTo(const VideoCase& c, std::ostream* os) { *os << c.name; }
    WindowFrame::State state;
    double clientWidth;
    double clientHeight;
    int videoWidth;
    int videoHeight;
    TwipsRect expectedPlayer;
    double expectedOuterHeight; // -1: the window's height is left alone
};

constexpr double kStandardHeight = 8000;

class VideoPlacement : public ::testing::TestWithParam<VideoCase> {};

TEST_P(VideoPlacement, PlacesVideoAndSizesWindow)
{
    const VideoCase& c = GetParam();
    Form1Fixture f;
    f.window.state = c.state;
    f.window.clientWidth = c.clientWidth;
    f.window.clientHeight = c.clientHeight;
    f.form.state.top_offset = 500;
    f.form.state.standard_height = kStandardHeight;
    f.form.state.display_mode = DisplayMode::Video;
    f.player1.load("/media/v.mp4", c.videoWidth, c.videoHeight);
    const double heightBefore = f.window.height();

    DisplayRefresh(f.form).run();

    EXPECT_DOUBLE_EQ(f.player1.left(), c.expectedPlayer.left);
    EXPECT_DOUBLE_EQ(f.player1.top(), c.expectedPlayer.top);
    EXPECT_DOUBLE_EQ(f.player1.width(), c.expectedPlayer.width);
    EXPECT_DOUBLE_EQ(f.player1.height(), c.expectedPlayer.height);
    const double expectedHeight = c.expectedOuterHeight < 0 ? heightBefore : c.expectedOuterHeight;
    EXPECT_DOUBLE_EQ(f.window.height(), expectedHeight);
    EXPECT_TRUE(f.player1.isVisible());
    EXPECT_FALSE(f.picture1.isVisible());
}

// Client 10000 wide: L 180, W 8100, T 350; threshold 3990 + 500 = 4490.
// A flat video brings the window back to the standard height (client
// 8000 - 600 = 7400, B 7050) and is centred between T and B.
// Maximized 20000 x 12000: L 180, R 18280, T 350, B 11650.
INSTANTIATE_TEST_SUITE_P(
    Cases, VideoPlacement,
    ::testing::Values(
        VideoCase{"tall_enough_grows_window", WindowFrame::Normal, 10000, 8400, 320, 240,
                  {180, 350, 8080, 6075}, 6075 + kStandardHeight - 4490},
        VideoCase{"exactly_threshold", WindowFrame::Normal, 10000, 8400, 8100, 4490,
                  {180, 350, 8080, 4490}, kStandardHeight},
        VideoCase{"flat_is_centred", WindowFrame::Normal, 10000, 8400, 640, 160,
                  {180, (350 + 7050) / 2.0 - 2025 / 2.0, 8080, 2025}, kStandardHeight},
        VideoCase{"half_rounds_to_even", WindowFrame::Normal, 10000, 8400, 8, 1,
                  {180, (350 + 7050) / 2.0 - 1012 / 2.0, 8080, 1012}, kStandardHeight},
        VideoCase{"maximized_wide_centred_vertically", WindowFrame::Maximized, 20000, 12000,
                  1920, 800, {180, 6000 - 7542 / 2.0, 18080, 7542}, -1},
        VideoCase{"maximized_tall_centred_horizontally", WindowFrame::Maximized, 20000, 12000,
                  480, 640, {9230 - 8455 / 2.0, 350, 8455, 11300}, -1}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(VideoPlacementFaults, MinimizedWindowMovesNothing)
{
    Form1Fixture f;
    f.window.state = WindowFrame::Minimized;
    f.form.state.display_mode = DisplayMode::Video;
    f.player1.load("/media/v.mp4", 320, 240);
    f.player1.setPlace({1, 2, 3, 4});
    const double heightBefore = f.window.height();

    DisplayRefresh(f.form).run();

    EXPECT_EQ(f.player1.place(), (TwipsRect{1, 2, 3, 4}));
    EXPECT_DOUBLE_EQ(f.window.height(), heightBefore);
}

// A video mode without a readable picture size: the fitted height counts
// as 0, so the window returns to its standard height and nothing crashes.
TEST(VideoPlacementFaults, UnreadablePictureSizeCountsAsZero)
{
    Form1Fixture f;
    f.window.clientWidth = 10000;
    f.form.state.standard_height = kStandardHeight;
    f.form.state.display_mode = DisplayMode::Video;

    DisplayRefresh(f.form).run();

    EXPECT_DOUBLE_EQ(f.player1.height(), 0);
    EXPECT_DOUBLE_EQ(f.player1.width(), 8080);
    EXPECT_DOUBLE_EQ(f.window.height(), kStandardHeight);
    EXPECT_DOUBLE_EQ(f.player1.top(), (350 + 7050) / 2.0);
}

struct WidthCase {
    WindowFrame::State state;
    double outerWidth;
    double expected;
    friend void PrintTo(const WidthCase& c, std::ostream* os)
    {
        const char* state = c.state == WindowFrame::Maximized   ? "maximized "
                            : c.state == WindowFrame::Minimized ? "minimized "
                                                                : "normal ";
        *os << state << c.outerWidth;
    }
};

class MinimumWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(MinimumWidth, NormalWindowIsKeptAtLeast8520Wide)
{
    Form1Fixture f;
    f.window.state = GetParam().state;
    f.window.setWidth(GetParam().outerWidth);
    f.form.state.display_mode = DisplayMode::Idle;

    DisplayRefresh(f.form).run();

    EXPECT_DOUBLE_EQ(f.window.width(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MinimumWidth,
                         ::testing::Values(WidthCase{WindowFrame::Normal, 7000, 8520},
                                           WidthCase{WindowFrame::Normal, 8520, 8520},
                                           WidthCase{WindowFrame::Normal, 9000, 9000},
                                           WidthCase{WindowFrame::Maximized, 7000, 7000},
                                           WidthCase{WindowFrame::Minimized, 7000, 7000}),
                         TestNames::Printed());

TEST(DisplayRefresh, PaintsSkinForEachAreaComputation)
{
    Form1Fixture f;
    f.window.clientWidth = 10000;
    f.form.state.standard_height = kStandardHeight;
    f.form.state.display_mode = DisplayMode::Video;
    f.player1.load("/media/v.mp4", 320, 240);

    DisplayRefresh(f.form).run();

    EXPECT_EQ(f.form.calls, QStringList({"chengxutuxiang:", "chengxutuxiang:"}));
}

} // namespace
