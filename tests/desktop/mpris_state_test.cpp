// What the desktop's media controls read of the window, and what their
// commands ask of the window's handlers.
#include "desktop/mpris_commands.h"
#include "desktop/mpris_state.h"
#include "desktop/mpris_fixture.h"
#include "doubles/test_names.h"
#include "core/event_delivery.h"
#include "core/flags.h"

#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

struct StatusCase {
    const char* name;
    QString statusLine;
    QString displayMode;
    const char* status;
    bool canPause;
    bool canSeek;
};

void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.name; }

class MprisStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(MprisStatus, FollowsTheStatusLineAndTheDisplayMode)
{
    const StatusCase& c = GetParam();
    MprisFixture f;
    f.form.ditiao.setCaption(c.statusLine);
    f.form.state.display_mode = c.displayMode;
    const MprisState s = MprisState::read(f.form);
    EXPECT_EQ(s.playbackStatus, c.status);
    EXPECT_EQ(s.canPause, c.canPause);
    EXPECT_EQ(s.canSeek, c.canSeek);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MprisStatus,
    ::testing::Values(
        StatusCase{"Playing", "正在播放...--第2首/总3首", DisplayMode::Audio, "Playing", true, true},
        StatusCase{"PlayingVideo", "正在播放...", DisplayMode::Video, "Playing", true, true},
        StatusCase{"PlayingCd", "正在播放...", DisplayMode::Cd, "Playing", true, true},
        StatusCase{"Paused", " 暂停播放  --第2首/总3首", DisplayMode::Audio, "Paused", true, true},
        StatusCase{"Stopped", " 停止播放  ", DisplayMode::Audio, "Stopped", false, true},
        StatusCase{"Ready", " 准备就绪  ", DisplayMode::Audio, "Stopped", false, true},
        StatusCase{"Picture", " 显示图片", DisplayMode::Picture, "Stopped", false, false},
        StatusCase{"Idle", "", DisplayMode::Idle, "Stopped", false, false}),
    TestNames::ByName());

TEST(MprisState, DescribesTheCheckedEntry)
{
    MprisFixture f;
    const MprisState s = MprisState::read(f.form);
    EXPECT_EQ(s.entry, 1);
    EXPECT_EQ(s.path, "/music/two.ogg");
    EXPECT_EQ(s.title, "two");
    EXPECT_EQ(s.lengthUs, 200'000'000);
    EXPECT_EQ(s.positionUs, 5'000'000);
    EXPECT_DOUBLE_EQ(s.volume, 1.0);
    EXPECT_EQ(s.loopStatus, "Playlist");
    EXPECT_TRUE(s.trackId.startsWith("/io/github/xuanyinfang/track/e1_"));
    EXPECT_EQ(s.cdTrack, 0);

    PlaylistEntries::checkOnly(f.form.liebiao, 2);
    EXPECT_NE(MprisState::read(f.form).trackId, s.trackId);
}

TEST(MprisState, ACdEntryCarriesItsTrackNumber)
{
    MprisFixture f;
    PlaylistEntries::showPaths(f.form.liebiao, f.form.state.entry_dirs, f.form.xuanxiang1, {"/dev/sr0/Track07.cda"});
    PlaylistEntries::checkOnly(f.form.liebiao, 0);
    f.form.state.display_mode = DisplayMode::Cd;
    EXPECT_EQ(MprisState::read(f.form).cdTrack, 7);
}

TEST(MprisState, NothingCheckedIsNoTrack)
{
    MprisFixture f;
    PlaylistEntries::checkOnly(f.form.liebiao, -1);
    const MprisState s = MprisState::read(f.form);
    EXPECT_EQ(s.trackId, kNoTrack);
    EXPECT_EQ(s.lengthUs, 0);
}

TEST(MprisState, LoopModesMapOntoLoopStatus)
{
    MprisFixture f;
    const char* expected[] = {"Playlist", "Track", "None"};
    for (int mode = 0; mode < 3; ++mode) {
        for (int k = 0; k < 3; ++k)
            f.form.xunhuan1[k].checked = k == mode;
        EXPECT_EQ(MprisState::read(f.form).loopStatus, expected[mode]) << mode;
    }
}

TEST(MprisState, ChangesNameOnlyTheChangedProperties)
{
    MprisFixture f;
    const MprisState before = MprisState::read(f.form);
    EXPECT_TRUE(changedPlayerProperties(before, before).isEmpty());

    f.form.ditiao.setCaption(" 暂停播放  ");
    f.form.state.position_ms = 9000;
    EXPECT_EQ(changedPlayerProperties(before, MprisState::read(f.form)),
              (QStringList{"PlaybackStatus"}));

    PlaylistEntries::checkOnly(f.form.liebiao, 0);
    f.form.state.shengyin_shu = 0;
    EXPECT_EQ(changedPlayerProperties(before, MprisState::read(f.form)),
              (QStringList{"PlaybackStatus", "Volume", "Metadata"}));
}

struct JumpCase {
    const char* name;
    const char* statusBefore;
    qint64 fromMs;
    qint64 toMs;
    qint64 elapsedMs;
    bool jumped;
};

void PrintTo(const JumpCase& c, std::ostream* os) { *os << c.name; }

class MprisJump : public ::testing::TestWithParam<JumpCase> {};

TEST_P(MprisJump, OnlyAMoveOtherThanPlayingOnIsAJump)
{
    const JumpCase& c = GetParam();
    MprisState a;
    a.trackId = "/t";
    a.lengthUs = 600'000'000;
    a.playbackStatus = c.statusBefore;
    a.positionUs = c.fromMs * 1000;
    MprisState b = a;
    b.positionUs = c.toMs * 1000;
    EXPECT_EQ(positionJumped(a, b, c.elapsedMs), c.jumped);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MprisJump,
    ::testing::Values(JumpCase{"PlayingOn", "Playing", 10000, 10250, 250, false},
                      JumpCase{"WholeSecondSteps", "Playing", 10000, 11000, 250, false},
                      JumpCase{"Forward", "Playing", 10000, 40000, 250, true},
                      JumpCase{"Back", "Playing", 40000, 10000, 250, true},
                      JumpCase{"PausedStill", "Paused", 10000, 10000, 250, false},
                      JumpCase{"PausedMoved", "Paused", 10000, 20000, 250, true},
                      JumpCase{"LongPoll", "Playing", 10000, 15000, 5000, false}),
    TestNames::ByName());

TEST(MprisState, AnotherTrackIsNoJump)
{
    MprisState a;
    a.trackId = "/a";
    a.lengthUs = 1'000'000'000;
    MprisState b = a;
    b.trackId = "/b";
    b.positionUs = 500'000'000;
    EXPECT_FALSE(positionJumped(a, b, 250));
}

struct CommandCase {
    const char* name;
    std::function<bool(Form1&)> command;
    QStringList calls;
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

class MprisCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(MprisCommand, GoesThroughTheWindowsOwnHandlers)
{
    MprisFixture f;
    EXPECT_EQ(GetParam().command(f.form), !GetParam().calls.isEmpty());
    EXPECT_EQ(f.form.calls, GetParam().calls);
}

TEST_P(MprisCommand, WaitsWhileAHandlerIsBusy)
{
    MprisFixture f;
    const EventDelivery::InsideHandler busy;
    EXPECT_FALSE(GetParam().command(f.form));
    EXPECT_TRUE(f.form.calls.isEmpty());
}

namespace mc = MprisCommands;

INSTANTIATE_TEST_SUITE_P(
    Table, MprisCommand,
    ::testing::Values(
        CommandCase{"Play", mc::play, {"kongzhi1_Click:0"}},
        CommandCase{"Pause", mc::pause, {"kongzhi1_Click:1"}},
        CommandCase{"PlayPauseWhilePlaying", mc::playPause, {"kongzhi1_Click:1"}},
        CommandCase{"Stop", mc::stop, {"kongzhi1_Click:2"}},
        CommandCase{"Next", mc::next, {"kuaijiecaidan1_Click:8"}},
        CommandCase{"Previous", mc::previous, {"kuaijiecaidan1_Click:7"}},
        CommandCase{"Seek", [](Form1& f) { return mc::seekByUs(f, 10'000'000); }, {"rengong_kongzhi:2"}},
        CommandCase{"Volume", [](Form1& f) { return mc::setVolume(f, 0.5); }, {"rengong_kongzhi:0"}},
        CommandCase{"LoopTrack", [](Form1& f) { return mc::setLoopStatus(f, "Track"); }, {"xunhuan1_Click:1"}},
        CommandCase{"LoopNone", [](Form1& f) { return mc::setLoopStatus(f, "None"); }, {"xunhuan1_Click:2"}},
        CommandCase{"LoopUnknown", [](Form1& f) { return mc::setLoopStatus(f, "Shuffle"); }, {}},
        CommandCase{"VolumeNaN", [](Form1& f) { return mc::setVolume(f, std::nan("")); }, {}},
        CommandCase{"OpenMissingFile", [](Form1& f) { return mc::openUri(f, "file:///no/such.mp3"); }, {}},
        CommandCase{"OpenHttp", [](Form1& f) { return mc::openUri(f, "http://example.com/a.mp3"); }, {}}),
    TestNames::ByName());

TEST(MprisCommands, PauseWhenNotPlayingDoesNothing)
{
    MprisFixture f;
    f.form.ditiao.setCaption(" 暂停播放  ");
    EXPECT_FALSE(mc::pause(f.form));
    EXPECT_TRUE(mc::playPause(f.form));
    EXPECT_EQ(f.form.calls, QStringList{"kongzhi1_Click:0"});
}

struct ClampCase {
    const char* name;
    qint64 seekToUs;
    double expectedMs;
};

void PrintTo(const ClampCase& c, std::ostream* os) { *os << c.name; }

class MprisSeekClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(MprisSeekClamp, StaysOnTheMedium)
{
    MprisFixture f;
    EXPECT_TRUE(mc::seekToUs(f.form, GetParam().seekToUs));
    EXPECT_DOUBLE_EQ(f.form.state.position_ms, GetParam().expectedMs);
}

INSTANTIATE_TEST_SUITE_P(Table, MprisSeekClamp,
                         ::testing::Values(ClampCase{"Inside", 60'000'000, 60000},
                                           ClampCase{"BeforeStart", -5'000'000, 0},
                                           ClampCase{"PastEnd", 900'000'000, 200000}),
                         TestNames::ByName());

TEST(MprisCommands, VolumeIsClampedIntoTheWindowsRange)
{
    MprisFixture f;
    for (auto [asked, volume] : {std::pair{2.0, 32767.0}, {-1.0, 0.0}, {0.5, 16384.0}}) {
        mc::setVolume(f.form, asked);
        EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, volume) << asked;
    }
}

TEST(MprisCommands, NoSeekWithoutAMedium)
{
    MprisFixture f;
    f.form.state.display_mode = DisplayMode::Picture;
    EXPECT_FALSE(mc::seekToUs(f.form, 1'000'000));
    EXPECT_TRUE(f.form.calls.isEmpty());
}

TEST(MprisCommands, OpenUriPlaysAnExistingFileAsADrop)
{
    MprisFixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath("song 1.wav");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(mc::openUri(f.form, QUrl::fromLocalFile(path).toString()));
    EXPECT_TRUE(mc::openUri(f.form, path));
    EXPECT_EQ(f.form.calls, (QStringList{"dropFiles:" + path, "dropFiles:" + path}));
}

TEST(MprisCommands, NothingWhileClosingOrStarting)
{
    MprisFixture f;
    f.form.state.closing = Flag::Closing;
    EXPECT_FALSE(mc::play(f.form));
    f.form.state.closing.clear();
    f.form.state.start_up_running = true;
    EXPECT_FALSE(mc::next(f.form));
    EXPECT_TRUE(f.form.calls.isEmpty());
}

} // namespace
