// Start-up with and without files, drops onto the window, and closing.
#include "core/display_mode.h"
#include "core/flags.h"
#include "playback/player_wait.h"
#include "playlist/playlist_fixture.h"

#include <QCoreApplication>
#include <QAbstractEventDispatcher>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kSavedList = "数据库/播放列表.qmx";

class StartUpTest : public ::testing::Test {
protected:
    void start(const QStringList& arguments)
    {
        f.form.setCommandLine(arguments, "/work");
        f.form.formLoad();
    }

    PlaylistFixture f;
};

TEST_F(StartUpTest, WithoutFilesTheSavedListComesBackIdleWithEntryZeroChecked)
{
    f.makeDataFolder();
    f.putBytes(kSavedList, gb("/m/a.mp3\r\n\r\n/m/b.mp4\r\n"));

    start({});

    EXPECT_EQ(f.paths(), QStringList({"/m/a.mp3", "/m/b.mp4"}));
    EXPECT_EQ(f.checked(), 0);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Idle);
    EXPECT_TRUE(f.form.clicks.isEmpty());
    EXPECT_EQ(f.form.state.start_pending, Flag::StartPending);
    EXPECT_EQ(f.window.caption(), "璇音坊 10.90");
}

TEST_F(StartUpTest, FilesGivenBecomeTheListAndTheFirstPlays)
{
    f.makeDataFolder();
    f.putBytes(kSavedList, gb("/old/x.mp3\r\n"));
    f.putBytes("mine.qmx", gb("/m/one.mp3\r\n\r\n/m/two.mp3\r\n"));

    start({"/m/a.mp3", "clip.mp4", f.path("mine.qmx")});

    EXPECT_EQ(f.paths(),
              QStringList({"/m/a.mp3", "/work/clip.mp4", "/m/one.mp3", "", "/m/two.mp3"}));
    EXPECT_EQ(f.form.clicks, QList<int>({0}));
}

struct DropCase {
    const char* name;
    friend void PrintTo(const DropCase& c, std::ostream* os) { *os << c.name; }
    bool afterFirstTick;
    bool dropStillPlaying;
    QStringList dropped;
    QStringList expectedList;
    QList<int> expectedClicks;
};

class Drops : public ::testing::TestWithParam<DropCase> {};

TEST_P(Drops, AppendAndPlayTheFirst)
{
    const DropCase& c = GetParam();
    PlaylistFixture f;
    f.setList({"/m/old.mp3"});
    f.form.acceptsDrops = c.afterFirstTick;
    if (c.dropStillPlaying)
        f.form.state.tuofang = Flag::Dropping;

    f.form.dropFiles(c.dropped);

    EXPECT_EQ(f.paths(), c.expectedList);
    EXPECT_EQ(f.form.clicks, c.expectedClicks);
}

const QString kLongPath = "/" + QString(299, u'长') + ".mp3";

INSTANTIATE_TEST_SUITE_P(
    Cases, Drops,
    ::testing::Values(
        DropCase{"three_files", true, false, {"/d/1.mp3", "/d/2.mp4", "/d/3.jpg"},
                 {"/m/old.mp3", "/d/1.mp3", "/d/2.mp4", "/d/3.jpg"}, {1}},
        DropCase{"folder_without_dot", true, false, {"/d/folder"}, {"/m/old.mp3"}, {}},
        DropCase{"second_drop_while_first_plays", true, true, {"/d/1.mp3"}, {"/m/old.mp3"}, {}},
        DropCase{"before_first_tick", false, false, {"/d/1.mp3"}, {"/m/old.mp3"}, {}},
        DropCase{"long_path_kept_whole", true, false, {kLongPath}, {"/m/old.mp3", kLongPath}, {1}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// A drop that arrives while a handler delivers pending events itself (the
// list write, the open wait, a folder scan) goes to the window, which does
// nothing with it: nothing is appended or played in the middle of the other
// handler.
struct WaitCase {
    const char* name;
    std::function<QStringList(PlaylistFixture&)> runWait; // the list it should leave
    friend void PrintTo(const WaitCase& c, std::ostream* os) { *os << c.name; }
};

class DropsDuringWaits : public ::testing::TestWithParam<WaitCase> {};

TEST_P(DropsDuringWaits, LeaveNoTrace)
{
    PlaylistFixture f;
    f.setList({"/m/old.mp3"});
    f.form.acceptsDrops = true;
    QTimer::singleShot(0, [&] { f.form.dropFiles({"/d/new.mp3"}); });

    const QStringList expected = GetParam().runWait(f);

    EXPECT_EQ(f.paths(), expected);
    EXPECT_TRUE(f.form.clicks.isEmpty());
    EXPECT_TRUE(f.form.state.tuofang.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DropsDuringWaits,
    ::testing::Values(
        WaitCase{"list_write",
                 [](PlaylistFixture& f) {
                     f.setList({"/m/old.mp3", "/m/two.mp3"});
                     return QStringList{"/m/old.mp3", "/m/two.mp3"};
                 }},
        WaitCase{"open_wait",
                 [](PlaylistFixture& f) {
                     PlayerWait::until(f.player1, 50, [] { return false; });
                     return QStringList{"/m/old.mp3"};
                 }},
        WaitCase{"folder_scan",
                 [](PlaylistFixture& f) {
                     QDir(f.dir.path()).mkdir("m");
                     f.putBytes("m/a.mp3", "x");
                     f.dialogs.answers.enqueue(f.path("m"));
                     f.form.zunjiamulu_Click(0); // add a folder's media files
                     return QStringList{"/m/old.mp3", f.path("m") + "/a.mp3"};
                 }}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// The scan's first progress line stays up for 0.1 s while the window paints
// it. That pause waits for events instead of asking for them in a loop.
TEST(FolderScanPause, WaitsWithoutSpinning)
{
    PlaylistFixture f;
    QDir(f.dir.path()).mkdir("m");
    f.putBytes("m/a.mp3", "x");
    f.dialogs.answers.enqueue(f.path("m"));
    int wakeUps = 0;
    const QObject counting;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                     &counting, [&] { ++wakeUps; });

    f.form.zunjiamulu_Click(0);

    // A busy loop wakes the dispatcher thousands of times in 0.1 s.
    EXPECT_LT(wakeUps, 100);
    EXPECT_EQ(f.paths().size(), 2);
}

// Remembers the command strings sent to the CD device.
class RecordingMci : public Mci {
public:
    bool send(const QString& command, QString* reply) override
    {
        sent << command;
        if (reply)
            reply->clear();
        return true;
    }
    QString lastError() const override { return {}; }
    QStringList sent;
};

TEST_F(StartUpTest, ClosingStoresOptionsAndListThenEnds)
{
    f.makeDataFolder();
    start({"/m/a.mp3", "/m/b.mp3"});
    f.player1.load("/m/a.mp3", 0, 0);
    bool ended = false;
    f.form.quit.connect(qApp, [&] { ended = true; });

    f.form.formUnload();

    EXPECT_EQ(f.bytes(kSavedList), gb("/m/a.mp3\r\n/m/b.mp3\r\n"));
    EXPECT_FALSE(f.bytes("数据库/选项.bfq").isEmpty());
    EXPECT_TRUE(f.player1.url().isEmpty());
    EXPECT_EQ(f.form.state.closing, Flag::Closing);
    EXPECT_TRUE(f.form.Timer_end.isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended; }, 2000));
}

// A close box or a logout while the load is still reading the saved list
// (the list write lets pending events run) must not store the design item
// over the user's list or the design options over theirs.
TEST_F(StartUpTest, CloseDuringTheLoadWaitsForTheWholeList)
{
    f.makeDataFolder();
    const QByteArray list = gb("/m/a.mp3\r\n/m/b.mp4\r\n");
    const QByteArray options = gb("2\r\n0\r\nTrue\r\nTrue\r\n已选择\r\n\r\n\r\n0\r\n");
    f.putBytes(kSavedList, list);
    f.putBytes("数据库/选项.bfq", options);
    QByteArray listAtLogout, optionsAtLogout;
    QTimer::singleShot(0, [&] {
        f.form.cunchuxuanxiang(); // a logout
        listAtLogout = f.bytes(kSavedList);
        optionsAtLogout = f.bytes("数据库/选项.bfq");
        f.form.formUnload(); // the close box
    });

    start({});

    EXPECT_EQ(listAtLogout, list);
    EXPECT_EQ(optionsAtLogout, options);
    EXPECT_EQ(f.bytes(kSavedList), list);
    EXPECT_EQ(f.form.state.closing, Flag::Closing);
    EXPECT_TRUE(f.form.Timer_end.isActive());
    f.form.Timer_end.stop();
}

TEST(Closing, StopsTheDiscFirstInCdMode)
{
    PlainControls<FakeMediaPlayer, FakeMediaPlayer, RecordingMci> c;
    MainForm form(c.controls());
    form.state.display_mode = DisplayMode::Cd;

    form.formUnload();

    EXPECT_EQ(c.mci.sent, QStringList({"stop cd wait", "seek cd to 1 wait"}));
}

TEST(Closing, EndTimerEndsOnlyOnceClosing)
{
    PlaylistFixture f;
    int ends = 0;
    f.form.quit.connect(qApp, [&] { ++ends; });
    // Counted after the form's own handler, which was connected first.
    int ticks = 0;
    QObject::connect(&f.form.Timer_end, &QTimer::timeout, [&] { ++ticks; });
    f.form.Timer_end.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 2000));
    EXPECT_EQ(ends, 0);
    f.form.state.closing = Flag::Closing;
    EXPECT_TRUE(QTest::qWaitFor([&] { return ends > 0; }, 2000));
    f.form.Timer_end.stop();
}

struct NewsCase {
    const char* name;
    friend void PrintTo(const NewsCase& c, std::ostream* os) { *os << c.name; }
    QByteArray bytes; // empty name: no file at all
    bool checked;
};

class NewsSwitch : public ::testing::TestWithParam<NewsCase> {};

TEST_P(NewsSwitch, FirstNonBlankLineDecides)
{
    PlaylistFixture f;
    if (std::string(GetParam().name) != "missing")
        f.putBytes("v.sz", GetParam().bytes);
    f.form.setCommandLine({}, "/");
    f.form.formLoad();
    EXPECT_EQ(f.form.bangzhu1.at(5).checked, GetParam().checked);
    EXPECT_TRUE(f.form.bangzhu1.at(5).visible);
}

INSTANTIATE_TEST_SUITE_P(Cases, NewsSwitch,
                         ::testing::Values(NewsCase{"one", "1\r\n", true},
                                           NewsCase{"true_word", "True\r\n", true},
                                           NewsCase{"after_blank_lines", "\r\n  \r\n1\r\n", true},
                                           NewsCase{"one_point_zero", "1.0", true},
                                           NewsCase{"false_word", "False\r\n", false},
                                           NewsCase{"lower_case_true", "true\r\n", false},
                                           NewsCase{"zero", "0\r\n", false},
                                           NewsCase{"empty", "", false},
                                           NewsCase{"missing", "", false}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
