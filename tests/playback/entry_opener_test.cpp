// Playing an entry: what each kind of entry becomes, the check mark, the
// timers held while it opens, drops, full screen and variable speed.
#include "playback_fixture.h"

#include "core/display_mode.h"
#include "core/flags.h"
#include "playback/loop_mode.h"

#include <gtest/gtest.h>

namespace {

QString cannotPlay(const QString& path)
{
    return "'" + path + "' 不能播放或不存在!";
}

struct KindCase {
    const char* name;
    friend void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }
    QString (*make)(PlaybackFixture&);
    QString mode;
    bool playerShown;
    bool reported;
};

const KindCase kKinds[] = {
    {"picture", [](PlaybackFixture& f) { return f.picture("a.png"); }, DisplayMode::Picture, false, false},
    {"video", [](PlaybackFixture& f) { return f.medium("v.mp4", 320, 240); }, DisplayMode::Video, true, false},
    {"audio", [](PlaybackFixture& f) { return f.medium("a.mp3", 0, 0); }, DisplayMode::Audio, false, false},
    {"missing", [](PlaybackFixture& f) { return f.missing("gone.mp3"); }, DisplayMode::Idle, false, true},
};

class EntryKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(EntryKinds, SetTheDisplayModeAndControls)
{
    PlaybackFixture f;
    f.selectLoop(LoopMode::None);
    const QString path = GetParam().make(f);
    f.setList({f.missing("other.mp3"), path});
    f.form.liebiao_Click(1);

    const Form1State& s = f.form.state;
    EXPECT_EQ(s.display_mode, GetParam().mode);
    EXPECT_EQ(f.player1.isVisible(), GetParam().playerShown);
    EXPECT_EQ(f.picture1.isVisible(), !GetParam().playerShown);
    EXPECT_EQ(f.messages(), GetParam().reported ? QStringList{cannotPlay(path)} : QStringList{});
    EXPECT_FALSE(f.form.liebiao[0].checked);
    EXPECT_TRUE(f.form.liebiao[1].checked);
    EXPECT_EQ(s.lincunwei_weijian_mingcheng, path);
    EXPECT_TRUE(s.opening_entry.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Entries, EntryKinds, ::testing::ValuesIn(kKinds),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(EntryOpener, APictureLoadsIntoTheNaturalSizeImage)
{
    PlaybackFixture f;
    f.setList({f.picture("p.png", 40, 30)});
    f.form.liebiao_Click(0);
    EXPECT_EQ(f.image2.picture().size(), QSize(40, 30));
    EXPECT_EQ(f.image2.width(), 600);
    EXPECT_EQ(f.image2.height(), 450);
    EXPECT_TRUE(f.opened().isEmpty()) << "a picture is not handed to the player";
}

TEST(EntryOpener, AMediumStartsAndShowsTheStartPictureWhenItHasNoPicture)
{
    PlaybackFixture f;
    f.setList({f.medium("a.mp3", 0, 0)});
    f.form.liebiao_Click(0);
    EXPECT_EQ(f.player1.playState(), MediaPlayer::Playing);
    EXPECT_EQ(f.player1.url(), f.form.state.lincunwei_weijian_mingcheng);
    EXPECT_TRUE(f.form.calls.contains("kaishihuamian"));
}

TEST(EntryOpener, APictureInTheZoomModeKeepsTheZoomRatio)
{
    PlaybackFixture f;
    f.setList({f.picture("p.png")});
    f.form.state.display_mode = DisplayMode::Zoom;
    f.image2.setWidth(1200); // the picture shown before, at 5 times its size
    f.form.liebiao_Click(0);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Zoom);
    EXPECT_TRUE(f.form.calls.contains("zoomCarryOver:5"));
}

TEST(EntryOpener, ACdTrackPlaysThroughTheCommandDevice)
{
    PlaybackFixture f;
    const QString track = f.dir.filePath("Track03.cda");
    f.setList({track});
    f.mci.replies["status cd number of tracks wait"] = "5";
    f.form.liebiao_Click(0);

    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Cd);
    EXPECT_EQ(f.form.state.cd_drive, f.dir.path());
    const QStringList expected = {
        "stop cd wait", "seek cd to 1 wait",
        "open  " + f.dir.path() + " type cdaudio alias cd wait shareable",
        "set cd time format tmsf", "status cd number of tracks wait", "seek cd to 3", "play cd"};
    EXPECT_EQ(f.mci.sent, expected);
    EXPECT_TRUE(f.messages().isEmpty());
    EXPECT_TRUE(f.player1.url().isEmpty());
}

TEST(EntryOpener, ACdTrackWithoutADiscIsGivenUp)
{
    PlaybackFixture f;
    f.selectLoop(LoopMode::None);
    const QString track = f.dir.filePath("Track12.cda");
    f.setList({track});
    f.mci.failAll = true;
    f.form.liebiao_Click(0);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Idle);
    EXPECT_EQ(f.messages(), QStringList{cannotPlay(track)});
    EXPECT_TRUE(f.mci.sent.contains("seek cd to 12"));
}

TEST(EntryOpener, HoldsTheTimersWhileItOpensAndRestoresThem)
{
    PlaybackFixture f;
    f.setList({f.medium("a.mp3", 0, 0)});
    QTimer later; // a timer another window adds to the held ones
    auto* gone = new QTimer;
    f.form.timersHeldWhileOpening << &later << gone;
    f.form.Timer1.start();
    later.start(1000);
    gone->start(1000);
    bool heldMeanwhile = false;
    f.player1.whileOpening = [&] {
        heldMeanwhile = !f.form.Timer1.isActive() && !later.isActive() && !f.form.Timer3.isActive()
            && f.form.Timer1.property("Tag").toString() == "True"
            && f.form.Timer3.property("Tag").toString() == "False"
            && f.form.state.opening_entry == Flag::OpeningEntry;
        delete gone; // its window closed meanwhile
    };
    f.form.liebiao_Click(0);
    EXPECT_TRUE(heldMeanwhile);
    EXPECT_TRUE(f.form.Timer1.isActive());
    EXPECT_TRUE(later.isActive());
    EXPECT_FALSE(f.form.Timer3.isActive());
}

TEST(EntryOpener, DroppedFilesOpenWithoutLoopingAndTheLoopModeComesBack)
{
    PlaybackFixture f;
    f.setList({f.medium("a.mp3", 0, 0)});
    const QString dropped = f.missing("dropped.avi");
    f.form.state.tuofang = Flag::Dropping;
    f.form.write_liebiao(ListWriter::Append, dropped + "\r");
    EXPECT_EQ(f.messages(), QStringList{cannotPlay(dropped)}) << "reported, not skipped";
    EXPECT_TRUE(LoopMode::isChecked(f.form.xunhuan1, LoopMode::All));
    EXPECT_TRUE(f.form.state.tuofang.isEmpty());
}

TEST(EntryOpener, FullScreenCarriesFromVideoToVideoOnly)
{
    PlaybackFixture f;
    f.setList({f.medium("1.mp4", 320, 240), f.medium("2.mp4", 640, 480), f.medium("3.mp3", 0, 0)});
    f.form.liebiao_Click(0);
    f.player1.setFullScreen(true);
    f.form.liebiao_Click(1);
    EXPECT_TRUE(f.player1.fullScreen());
    f.form.liebiao_Click(2);
    EXPECT_FALSE(f.player1.fullScreen());
}

TEST(EntryOpener, VariableSpeedIsSwitchedOffWhenAMediumOpens)
{
    PlaybackFixture f;
    f.setList({f.picture("p.png"), f.medium("v.mp4", 320, 240)});
    f.form.state.varispeed_state = Flag::Selected;
    f.form.liebiao_Click(0);
    EXPECT_FALSE(f.form.calls.contains("xuan_Click:1")) << "a picture leaves it";
    f.form.liebiao_Click(1);
    EXPECT_TRUE(f.form.calls.contains("xuan_Click:1"));
}

TEST(EntryOpener, AnIndexThatIsNoEntryDoesNothing)
{
    PlaybackFixture f;
    f.setList({f.medium("a.mp3", 0, 0)});
    f.form.liebiao_Click(5);
    f.form.liebiao_Click(-1);
    EXPECT_TRUE(f.opened().isEmpty());
    EXPECT_TRUE(f.messages().isEmpty());
    EXPECT_TRUE(f.form.state.opening_entry.isEmpty());
}

} // namespace
