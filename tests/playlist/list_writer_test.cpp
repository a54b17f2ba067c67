// Writing the playlist: both modes, check marks, folder parts, limits.
#include "playlist/list_writer.h"
#include "playlist_fixture.h"

#include <gtest/gtest.h>

namespace {

const QChar CR(13);

struct WriteCase {
    const char* name;
    friend void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }
    QStringList before;   // written first (replace), option unchecked
    int checkedBefore;    // -1: none
    bool showDirectories; // during the write under test
    QString mode;
    QString text;
    QStringList captions;
    QStringList dirs;
    int checked;
};

class WriteList : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteList, BuildsEntries)
{
    const WriteCase& c = GetParam();
    PlaylistFixture f;
    f.showDirectories(false);
    if (!c.before.isEmpty())
        f.setList(c.before);
    PlaylistEntries::checkOnly(f.form.liebiao, c.checkedBefore);
    f.showDirectories(c.showDirectories);

    f.form.write_liebiao(c.mode, c.text);

    EXPECT_EQ(f.captions(), c.captions);
    EXPECT_EQ(f.form.state.entry_dirs, c.dirs);
    EXPECT_EQ(f.checked(), c.checked);
    EXPECT_EQ(f.form.state.liebiao_max_index, c.captions.size() - 1);
}

const QString R = "替换写入";
const QString A = "增加写入";

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteList,
    ::testing::Values(
        WriteCase{"two_names", {}, -1, false, R, "a.mp3\rb.mp3\r", {"a.mp3", "b.mp3"}, {"", ""}, 0},
        WriteCase{"folder_split", {}, -1, false, R, "/x/a.mp3\r", {"a.mp3"}, {"/x/"}, 0},
        WriteCase{"folder_shown", {}, -1, true, R, "/x/a.mp3\r", {"/x/a.mp3"}, {""}, 0},
        WriteCase{"replace_checks_first", {"/m/a", "/m/b"}, 1, false, R, "/n/c\r/n/d\r",
                  {"c", "d"}, {"/n/", "/n/"}, 0},
        WriteCase{"append_keeps_old_first_and_check", {"/m/a", "/m/b"}, 1, false, A, "/m/c\r",
                  {"a", "b", "c"}, {"/m/", "/m/", "/m/"}, 1},
        WriteCase{"append_none_checked", {"/m/a", "/m/b"}, -1, false, A, "/m/c\r",
                  {"a", "b", "c"}, {"/m/", "/m/", "/m/"}, 0},
        WriteCase{"append_with_full_paths", {"/m/a"}, 0, true, A, "/n/b\r",
                  {"/m/a", "/n/b"}, {"", ""}, 0},
        WriteCase{"empty_line_is_entry", {}, -1, false, R, "a\r\rb\r", {"a", "", "b"}, {"", "", ""}, 0},
        WriteCase{"trailing_blanks_end", {}, -1, false, R, "a\r   ", {"a"}, {""}, 0},
        WriteCase{"blank_entry_before_cr", {}, -1, false, R, "a\r   \r", {"a", "   "}, {"", ""}, 0},
        WriteCase{"rest_without_cr", {}, -1, false, R, "a\r  x", {"a", "  x"}, {"", ""}, 0},
        WriteCase{"duplicates_kept", {}, -1, false, R, "/d/a\r/d/a\r", {"a", "a"}, {"/d/", "/d/"}, 0},
        WriteCase{"first_start_empty", {}, -1, false, R, "", {"列表0"}, {""}, 0},
        WriteCase{"empty_keeps_item0_path", {"/x/a.mp3"}, 0, true, R, "", {"/x/a.mp3"}, {""}, 0},
        WriteCase{"empty_keeps_item0_folder", {"/x/a.mp3"}, 0, false, R, "", {"a.mp3"}, {"/x/"}, 0},
        WriteCase{"other_mode_replaces", {"/m/a"}, 0, false, "别的", "/n/b\r", {"b"}, {"/n/"}, 0}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(WriteListStatus, ShowsStatusTextUnlessModeUnknown)
{
    PlaylistFixture f;
    f.form.write_liebiao("替换写入", "a\r");
    EXPECT_EQ(f.ditiao.caption(), ListWriter::Status);

    f.ditiao.setCaption("正在播放...");
    f.form.write_liebiao("别的", "a\r");
    EXPECT_EQ(f.ditiao.caption(), "正在播放...");
}

TEST(WriteListDrop, PlaysFirstDroppedEntryWithDispatcherOff)
{
    PlaylistFixture f;
    f.setList({"/m/a", "/m/b"});
    f.form.Timer1.start();
    f.form.state.tuofang = "拖放";

    f.form.write_liebiao("增加写入", "/m/c\r/m/d\r");

    EXPECT_EQ(f.form.clicks, QList<int>{2});
    EXPECT_FALSE(f.form.timerActiveAtClick);
    EXPECT_TRUE(f.form.busyAtClick);
    EXPECT_EQ(f.checked(), 2);
    EXPECT_EQ(f.form.state.tuofang, "");
    EXPECT_TRUE(f.form.Timer1.isActive());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(WriteListSortMarks, AreClearedByEveryWrite)
{
    for (const QString mode : {"替换写入", "增加写入"}) {
        PlaylistFixture f;
        f.setList({"/m/b", "/m/a"});
        f.form.paixu1_Click(1);
        ASSERT_TRUE(f.form.paixu1[1].checked);
        f.form.write_liebiao(mode, "/m/c\r");
        for (int i = 0; i < 3; ++i)
            EXPECT_FALSE(f.form.paixu1[i].checked) << mode.toStdString() << " item " << i;
    }
}

QString numberedList(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("/music/%1.mp3").arg(i) + CR;
    return text;
}

TEST(WriteListLimit, HoldsAtMost32767Entries)
{
    PlaylistFixture f;
    f.form.write_liebiao("替换写入", numberedList(40000));
    EXPECT_EQ(f.form.liebiao.items().size(), 32767);
    EXPECT_EQ(f.form.state.liebiao_max_index, 32766);
    EXPECT_EQ(f.form.state.entry_dirs.size(), 32767);
    EXPECT_EQ(f.paths().last(), "/music/32766.mp3");

    f.form.state.tuofang = "拖放";
    f.form.write_liebiao("增加写入", "/music/new.mp3\r");
    EXPECT_EQ(f.form.liebiao.items().size(), 32767);
    EXPECT_EQ(f.form.clicks, QList<int>{32767}); // no such entry: nothing is played
    EXPECT_EQ(f.checked(), 0);
    EXPECT_EQ(f.form.state.tuofang, "");
}

} // namespace
