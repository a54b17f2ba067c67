// The real libmpv main player at the end of a medium, under the window's
// end-of-media rules, and a main player whose libmpv did not start.
#include "mpv_fixture.h"

#include "core/display_mode.h"
#include "platform/test_media.h"
#include "playback/loop_mode.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct EndCase {
    const char* name;
    friend void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }
    int loop;
    int nextEntry; // the entry played after entry 0 ends; -1 none
};

class MpvEndOfMedium : public ::testing::TestWithParam<EndCase> {};

TEST_P(MpvEndOfMedium, FollowsTheLoopMode)
{
    const EndCase c = GetParam();
    TestMedia& media = testMedia();
    const QString first = media.tone("end-first.wav", 1);
    const QString second = media.tone("end-second.wav", 3, 660);
    MpvFixture f;
    f.form.xunhuan1_Click(c.loop);
    f.setList({first, second});
    QStringList started; // the media that reached playState 3, in order
    QObject::connect(&f.player1, &MediaPlayer::StatusChange, &f.player1, [&] {
        if (f.player1.playState() == MediaPlayer::Playing)
            started << f.player1.url();
    });
    f.form.liebiao_Click(0);
    ASSERT_EQ(started, QStringList{first});

    if (c.nextEntry < 0) {
        // Emptied by the end-of-media step; the audio mode stays.
        ASSERT_TRUE(QTest::qWaitFor([&] { return f.player1.url().isEmpty(); }, 10000));
        EXPECT_EQ(f.player1.playState(), MediaPlayer::Undefined);
        EXPECT_EQ(f.form.state.display_mode, DisplayMode::Audio);
        EXPECT_EQ(started, QStringList{first});
    } else {
        const QString next = c.nextEntry == 0 ? first : second;
        ASSERT_TRUE(QTest::qWaitFor([&] { return started.size() == 2; }, 10000));
        EXPECT_EQ(started.last(), next);
        EXPECT_TRUE(f.form.liebiao[c.nextEntry].checked);
    }
    EXPECT_TRUE(f.form.state.media_ended.isEmpty());
    f.form.Timer1.stop();
}

INSTANTIATE_TEST_SUITE_P(Loops, MpvEndOfMedium,
                         ::testing::Values(EndCase{"all", LoopMode::All, 1},
                                           EndCase{"one", LoopMode::RepeatOne, 0},
                                           EndCase{"none", LoopMode::None, -1}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

// An output file of a format that does not exist makes mpv_initialize fail.
QStringList optionsThatStopMpv()
{
    return {"o=" + testMedia().path("out.nosuchformat")};
}

TEST(MpvWithoutEngine, PicturesShowAndMediaAreReported)
{
    TestMedia& media = testMedia();
    const QString tone = media.tone("engineless.wav", 1);
    const QString picture = media.path("engineless.png");
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(picture));

    MpvFixture f(optionsThatStopMpv());
    f.form.xunhuan1_Click(LoopMode::None);
    f.setList({picture, tone});
    f.form.liebiao_Click(0);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Picture);
    f.form.liebiao_Click(1);
    EXPECT_EQ(f.messages(), QStringList{"'" + tone + "' 不能播放或不存在!"});
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Idle);
    f.form.Timer1.stop();
}

} // namespace
