// A player made only when it is first given something to play.
#include "doubles/fake_media_player.h"
#include "platform/lazy_media_player.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct LazyFixture {
    FakeMediaPlayer* made = nullptr;
    int creations = 0;
    LazyMediaPlayer player{[this] {
        ++creations;
        auto real = std::make_unique<FakeMediaPlayer>();
        made = real.get();
        return real;
    }};
};

TEST(LazyMediaPlayer, AnswersAsAnEmptyPlayerUntilGivenAFile)
{
    LazyFixture f;
    f.player.setUrl(QString());
    f.player.play();
    f.player.pause();
    EXPECT_FALSE(f.player.setCurrentPosition(3));
    EXPECT_EQ(f.player.playState(), MediaPlayer::Undefined);
    EXPECT_FALSE(f.player.duration().has_value());
    EXPECT_FALSE(f.player.imageSourceHeight().has_value());
    EXPECT_TRUE(f.player.url().isEmpty());
    EXPECT_FALSE(f.player.fullScreen());
    EXPECT_EQ(f.creations, 0);
}

TEST(LazyMediaPlayer, TheRealPlayerTakesOverPlaceSettingsAndSignals)
{
    LazyFixture f;
    f.player.setPlace({0, 20000, 3000, 2000});
    f.player.setVisible(false);
    f.player.setRate(1.5);
    f.player.setBalance(200);
    f.player.setEnableContextMenu(false);
    QSignalSpy status(&f.player, &MediaPlayer::StatusChange);

    f.player.setUrl("/pictures/moving.gif");
    ASSERT_EQ(f.creations, 1);
    EXPECT_EQ(f.made->place(), (TwipsRect{0, 20000, 3000, 2000}));
    EXPECT_FALSE(f.made->isVisible());
    EXPECT_EQ(f.made->rates.value(0), 1.5);
    EXPECT_EQ(f.made->balances.value(0), 200);
    EXPECT_EQ(f.made->url(), "/pictures/moving.gif");
    EXPECT_EQ(f.player.url(), "/pictures/moving.gif");
    EXPECT_GE(status.count(), 1);

    // From then on everything reaches it, and it is made only once.
    f.player.setTop(0);
    f.player.setVisible(true);
    EXPECT_EQ(f.made->top(), 0);
    EXPECT_TRUE(f.made->isVisible());
    f.player.setUrl(QString());
    EXPECT_TRUE(f.made->url().isEmpty());
    f.player.setUrl("/pictures/other.gif");
    EXPECT_EQ(f.creations, 1);
}

} // namespace
