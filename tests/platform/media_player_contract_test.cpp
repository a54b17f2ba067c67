// One contract for every media player: the test double and the libmpv
// player go through the same cases, on media the tests make.
#include "doubles/opening_media_player.h"
#include "platform/mpv_media_player.h"
#include "platform/player_waits.h"
#include "platform/test_media.h"

#include <QSignalSpy>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A player under test with the means to give it media.
class Subject {
public:
    virtual ~Subject() = default;
    virtual MediaPlayer& player() = 0;
    // A sound of the given length that the player can play.
    virtual QString goodMedium(const QString& name, double seconds) = 0;
    // A file the player cannot open.
    virtual QString badMedium(const QString& name) = 0;
    // Lets the playing medium run to its end.
    virtual void runToEnd() {}
};

class DoubleSubject : public Subject {
public:
    MediaPlayer& player() override { return player_; }
    QString goodMedium(const QString& name, double seconds) override
    {
        const QString path = testMedia().path(name);
        player_.media.insert(path, {0, 0, seconds});
        return path;
    }
    QString badMedium(const QString& name) override { return testMedia().path(name); }
    void runToEnd() override { player_.endMedium(); }

private:
    OpeningMediaPlayer player_;
};

class MpvSubject : public Subject {
public:
    explicit MpvSubject(const QStringList& options = {})
        : player_(&parent_, {MpvPlayerOptions::Video::None, QStringList{"ao=null"} + options})
    {
    }
    MediaPlayer& player() override { return player_; }
    QString goodMedium(const QString& name, double seconds) override
    {
        return testMedia().tone(name, seconds);
    }
    QString badMedium(const QString& name) override
    {
        return testMedia().file(name, "words, not a sound\n");
    }

private:
    QWidget parent_;
    MpvMediaPlayer player_;
};

struct Implementation {
    const char* name;
    friend void PrintTo(const Implementation& c, std::ostream* os) { *os << c.name; }
    std::function<std::unique_ptr<Subject>()> make;
};

class MediaPlayerContract : public ::testing::TestWithParam<Implementation> {
protected:
    void SetUp() override { subject = GetParam().make(); }
    MediaPlayer& player() { return subject->player(); }

    std::unique_ptr<Subject> subject;
};

void expectReadsFail(MediaPlayer& player)
{
    EXPECT_FALSE(player.duration());
    EXPECT_FALSE(player.currentPosition());
    EXPECT_FALSE(player.imageSourceWidth());
    EXPECT_FALSE(player.imageSourceHeight());
    EXPECT_FALSE(player.setCurrentPosition(1.0));
}

TEST_P(MediaPlayerContract, StartsEmptyAndUndefined)
{
    EXPECT_EQ(player().playState(), MediaPlayer::Undefined);
    EXPECT_EQ(player().url(), QString());
    expectReadsFail(player());
}

TEST_P(MediaPlayerContract, AUrlReportsTransitioningAtOnceThenPlaying)
{
    StateLog log(player());
    const QString path = subject->goodMedium("contract-open.wav", 3);
    player().setUrl(path);
    EXPECT_EQ(player().url(), path);
    EXPECT_EQ(log.states, std::vector<int>{MediaPlayer::Transitioning});
    EXPECT_EQ(player().duration(), 0.0) << "no length before the medium opens";
    ASSERT_TRUE(waitForState(player(), MediaPlayer::Playing));
    EXPECT_EQ(log.states, (std::vector<int>{MediaPlayer::Transitioning, MediaPlayer::Playing}));
    EXPECT_NEAR(player().duration().value_or(0), 3.0, 0.1);
    EXPECT_EQ(player().imageSourceWidth(), 0);
}

TEST_P(MediaPlayerContract, PauseAndPlaySwitchTheState)
{
    player().setUrl(subject->goodMedium("contract-pause.wav", 3));
    ASSERT_TRUE(waitForState(player(), MediaPlayer::Playing));
    player().pause();
    ASSERT_TRUE(waitForState(player(), MediaPlayer::Paused));
    player().play();
    ASSERT_TRUE(waitForState(player(), MediaPlayer::Playing));
}

TEST_P(MediaPlayerContract, AMediumThatCannotOpenReportsAnErrorThenReady)
{
    QSignalSpy errors(&player(), &MediaPlayer::MediaError);
    StateLog log(player());
    player().setUrl(subject->badMedium("contract-bad.mp4"));
    ASSERT_TRUE(waitForState(player(), MediaPlayer::Ready));
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(log.states, (std::vector<int>{MediaPlayer::Transitioning, MediaPlayer::Ready}));
    EXPECT_EQ(player().duration(), 0.0);
    EXPECT_EQ(player().imageSourceWidth(), 0);
    EXPECT_EQ(player().currentPosition(), 0.0);
}

TEST_P(MediaPlayerContract, AnEndedMediumIsKeptStoppedAndPlaysAgain)
{
    player().setUrl(subject->goodMedium("contract-end.wav", 1));
    ASSERT_TRUE(waitForState(player(), MediaPlayer::Playing));
    StateLog log(player());
    subject->runToEnd();
    ASSERT_TRUE(waitForState(player(), MediaPlayer::Stopped));
    EXPECT_EQ(log.states, (std::vector<int>{MediaPlayer::MediaEnded, MediaPlayer::Stopped}));
    EXPECT_NEAR(player().duration().value_or(0), 1.0, 0.1);
    EXPECT_EQ(player().currentPosition(), 0.0);
    player().play();
    ASSERT_TRUE(waitForState(player(), MediaPlayer::Playing));
}

TEST_P(MediaPlayerContract, AnEmptiedPlayerIsUndefinedAndReadsFail)
{
    player().setUrl(subject->goodMedium("contract-empty.wav", 3));
    ASSERT_TRUE(waitForState(player(), MediaPlayer::Playing));
    StateLog log(player());
    player().setUrl(QString());
    EXPECT_EQ(log.states, std::vector<int>{MediaPlayer::Undefined});
    expectReadsFail(player());
    player().play();
    EXPECT_EQ(player().playState(), MediaPlayer::Undefined) << "play without a medium";
}

INSTANTIATE_TEST_SUITE_P(
    Players, MediaPlayerContract,
    ::testing::Values(
        Implementation{"test_double", [] { return std::make_unique<DoubleSubject>(); }},
        Implementation{"mpv", [] { return std::make_unique<MpvSubject>(); }}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// Without a working libmpv every URL is a media error, and nothing breaks.
TEST(MpvWithoutEngine, FailsEveryUrlAsAMediaError)
{
    MpvSubject subject({"o=" + testMedia().path("out.nosuchformat")});
    MediaPlayer& player = subject.player();
    QSignalSpy errors(&player, &MediaPlayer::MediaError);
    player.setUrl(subject.goodMedium("engineless.wav", 1));
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(player.playState(), MediaPlayer::Ready);
    EXPECT_EQ(player.duration(), 0.0);
    player.play();
    EXPECT_EQ(errors.count(), 2);
    EXPECT_FALSE(player.setCurrentPosition(0.5));
    EXPECT_FALSE(player.setRate(1.5));
    player.setUrl(QString());
    EXPECT_EQ(player.playState(), MediaPlayer::Undefined);
}

} // namespace
