// List files: GB18030 with CR LF, the two reads, bad files, atomic writes.
#include "playlist/gb_text.h"
#include "playlist/list_file.h"
#include "playlist_fixture.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

TEST(ListFileWrite, StoresPathsInGb18030WithCrLf)
{
    PlaylistFixture f;
    ASSERT_TRUE(ListFile::write(f.path("l.qmx"), {"/d/a.mp3", "/d/音乐/b.wav"}));
    EXPECT_EQ(f.bytes("l.qmx"), gb("/d/a.mp3") + "\r\n" + gb("/d/音乐/b.wav") + "\r\n");
    EXPECT_EQ(gb("音乐"), QByteArray("\xd2\xf4\xc0\xd6"));
}

TEST(ListFileWrite, ReplacesOldContentWhole)
{
    PlaylistFixture f;
    f.putBytes("l.qmx", QByteArray(100000, 'x'));
    ASSERT_TRUE(ListFile::write(f.path("l.qmx"), {"/a"}));
    EXPECT_EQ(f.bytes("l.qmx"), "/a\r\n");
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"l.qmx"}); // no temporary left
}

// The disk refuses the write part way (as a full disk does; here a file size
// limit): the write fails and the old list is left whole.
TEST(ListFileWrite, RefusedWriteLeavesTheOldList)
{
    PlaylistFixture f;
    const QByteArray old = gb("/d/old.mp3") + "\r\n";
    f.putBytes("l.qmx", old);
    QStringList longList;
    for (int i = 0; i < 30; ++i) // less than a write buffer
        longList << QString("/music/album/track%1.mp3").arg(i);

    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 256;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = ListFile::write(f.path("l.qmx"), longList);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldSignal);

    EXPECT_FALSE(written);
    EXPECT_EQ(f.bytes("l.qmx"), old);
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"l.qmx"});
}

TEST(ListFileWrite, MissingFolderIsNotCreated)
{
    PlaylistFixture f;
    EXPECT_FALSE(ListFile::write(f.path("数据库/播放列表.qmx"), {"/a"}));
    EXPECT_FALSE(QFileInfo::exists(f.path("数据库")));
}

struct ReadCase {
    const char* name;
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
    QByteArray bytes;
    QString startup; // the start-up read
    QString other;   // every other read
};

class ReadListFile : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadListFile, GivesListText)
{
    const ReadCase& c = GetParam();
    PlaylistFixture f;
    f.putBytes("l.qmx", c.bytes);
    EXPECT_EQ(ListFile::startupText(f.path("l.qmx")), c.startup);
    EXPECT_EQ(ListFile::text(f.path("l.qmx")), c.other);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadListFile,
    ::testing::Values(
        ReadCase{"crlf", "/a\r\n/b\r\n", "/a\r/b\r", "/a\r/b\r"},
        ReadCase{"blank_line", "/a\r\n\r\n/b\r\n", "/a\r/b\r", "/a\r\r/b\r"},
        ReadCase{"lf_only", "/a\n\n/b\n", "/a\r/b\r", "/a\r\r/b\r"},
        ReadCase{"cr_only", "/a\r/b\r", "/a\r/b\r", "/a\r/b\r"},
        ReadCase{"last_line_unended", "/a\r\n/b", "/a\r/b\r", "/a\r/b\r"},
        ReadCase{"empty_file", "", "", ""},
        ReadCase{"gb18030", QByteArray("/\xd2\xf4\xc0\xd6/x.mp3\r\n"), "/音乐/x.mp3\r", "/音乐/x.mp3\r"},
        ReadCase{"four_byte_gb18030", QByteArray("/\x95\x32\x82\x36\r\n"), "/\U00020000\r", "/\U00020000\r"},
        ReadCase{"invalid_bytes", QByteArray("/a\xff\r\n"), "/a\uFFFD\r", "/a\uFFFD\r"},
        ReadCase{"nul_bytes", QByteArray("/a\0b\r\n", 6), QString("/a") + QChar(0) + "b\r",
                 QString("/a") + QChar(0) + "b\r"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(ReadListFileMissing, GivesNothing)
{
    PlaylistFixture f;
    EXPECT_EQ(ListFile::startupText(f.path("none.qmx")), "");
    EXPECT_EQ(ListFile::text(f.path("none.qmx")), "");
    EXPECT_EQ(ListFile::text(f.dir.path()), ""); // a folder
}

TEST(ReadListFileMissing, PipeDoesNotHang)
{
    PlaylistFixture f;
    ASSERT_EQ(mkfifo(QFile::encodeName(f.path("p.qmx")).constData(), 0600), 0);
    EXPECT_EQ(ListFile::text(f.path("p.qmx")), "");
}

TEST(ReadListFileLarge, SingleTenMegabyteLineIsOneEntry)
{
    PlaylistFixture f;
    f.putBytes("l.qmx", "/" + QByteArray(10 << 20, 'a') + "\r\n");
    const QString text = ListFile::text(f.path("l.qmx"));
    EXPECT_EQ(text.size(), (10 << 20) + 2);
    f.form.write_liebiao("替换写入", text);
    EXPECT_EQ(f.form.state.liebiao_max_index, 0);
    EXPECT_EQ(f.paths().at(0).size(), (10 << 20) + 1);
}

TEST(ReadListFileLarge, MillionLinesGiveTheMostEntriesAList)
{
    PlaylistFixture f;
    QByteArray bytes;
    for (int i = 0; i < 1000000; ++i)
        bytes += "/m/" + QByteArray::number(i) + "\r\n";
    f.putBytes("l.qmx", bytes);
    const QString text = ListFile::text(f.path("l.qmx"));
    EXPECT_EQ(text.count(QChar(13)), 32767);
    f.form.write_liebiao("替换写入", text);
    EXPECT_EQ(f.form.state.liebiao_max_index, 32766);
}

TEST(ReadListFileLarge, StartupReadCountsOnlyNonEmptyLines)
{
    QByteArray bytes(100000, '\n');
    bytes += "/a\n";
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(GbText::readLines(buffer, 10, GbText::EmptyLines::Skip), QStringList{"/a"});
}

TEST(ReadListFileLarge, BinaryGarbageStaysWithinLimits)
{
    PlaylistFixture f;
    QRandomGenerator random(7);
    QByteArray bytes(4 << 20, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    f.putBytes("l.qmx", bytes);
    f.form.write_liebiao("替换写入", ListFile::text(f.path("l.qmx")));
    EXPECT_LE(f.form.state.liebiao_max_index, 32766);
    EXPECT_EQ(f.form.liebiao.items().size(), f.form.state.liebiao_max_index + 1);
}

TEST(ReadLines, CrLfSplitAcrossChunksIsOneLineEnd)
{
    // The first read ends in CR; the LF comes with the next 64 KiB chunk.
    QByteArray bytes = QByteArray(64 * 1024 - 1, 'a') + "\r\nb\r\n";
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QStringList lines = GbText::readLines(buffer, 10);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.at(1), "b");
}

TEST(ListFileName, QmxSuffixCase)
{
    EXPECT_TRUE(ListFile::isListFile("/a/l.qmx"));
    EXPECT_FALSE(ListFile::isListFile("/a/l.QMX"));
    EXPECT_TRUE(ListFile::isListFile("/a/l.QMX", Qt::CaseInsensitive));
    EXPECT_FALSE(ListFile::isListFile("/a/lqmx"));
}

TEST(CurrentList, StoredAtShutdownAndReadAtStartup)
{
    PlaylistFixture f;
    f.makeDataFolder();
    f.showDirectories(false);
    f.setList({"/d/音乐/a.mp3", "/d/b.wav"});
    f.form.cunchuxuanxiang();
    const QByteArray stored = f.bytes("数据库/播放列表.qmx");
    EXPECT_EQ(stored, gb("/d/音乐/a.mp3\r\n/d/b.wav\r\n"));

    f.form.xuanxiang1_Click(2); // full paths shown: the file is the same
    f.form.cunchuxuanxiang();
    EXPECT_EQ(f.bytes("数据库/播放列表.qmx"), stored);

    PlaylistFixture next;
    next.form.write_liebiao("替换写入", ListFile::startupText(f.path(ListFile::kCurrentList)));
    EXPECT_EQ(next.paths(), QStringList({"/d/音乐/a.mp3", "/d/b.wav"}));
}

} // namespace
