// The folder walk: its order, what it finds, links, cancelling, the progress line.
#include "doubles/test_names.h"
#include "playlist/folder_walk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using FolderWalk::Phase;

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

const FolderWalk::Pump kNeverCancel = [](const QString&) { return false; };

QStringList walk(const QString& root)
{
    return FolderWalk::files(root, kNeverCancel, 0).value_or(QStringList{"cancelled"});
}

// The files of a folder in the order the file system lists them.
QStringList filesIn(const QString& folder)
{
    QStringList result;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Unsorted))
        result << folder + "/" + name;
    return result;
}

// m holds a.mp3, b.mp3 and x; x holds c.mp3 and y; y holds d.mp3.
struct Tree {
    Tree()
    {
        QDir(dir.path()).mkpath("m/x/y");
        for (const char* file : {"m/a.mp3", "m/b.mp3", "m/x/c.mp3", "m/x/y/d.mp3"})
            touch(dir.filePath(file));
    }
    QString m() const { return dir.filePath("m"); }
    QTemporaryDir dir;
};

TEST(FolderWalk, DeepestFilesFirstRootFilesLast)
{
    Tree tree;
    const QStringList expected = QStringList{tree.m() + "/x/y/d.mp3", tree.m() + "/x/c.mp3"}
        + filesIn(tree.m());
    EXPECT_EQ(walk(tree.m()), expected);
}

TEST(FolderWalk, RootEndingInSeparatorGetsNoSecond)
{
    Tree tree;
    const QStringList files = walk(tree.m() + "/");
    ASSERT_EQ(files.size(), 4);
    EXPECT_EQ(files.first(), tree.m() + "/x/y/d.mp3");
}

TEST(FolderWalk, SiblingFoldersKeepFileSystemOrderWithTheirFilesBeforeTheParents)
{
    QTemporaryDir dir;
    for (const char* folder : {"p", "q", "r"}) {
        QDir(dir.path()).mkpath(QString(folder) + "/deep");
        touch(dir.filePath(QString(folder) + "/deep/f"));
        touch(dir.filePath(QString(folder) + "/g"));
    }
    touch(dir.filePath("top"));
    QStringList expected;
    for (const QString& folder : QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted))
        expected << dir.path() + "/" + folder + "/deep/f" << dir.path() + "/" + folder + "/g";
    expected << dir.path() + "/top";
    EXPECT_EQ(walk(dir.path()), expected);
}

TEST(FolderWalk, FindsHiddenFilesButNotPipes)
{
    QTemporaryDir dir;
    touch(dir.filePath(".hidden.mp3"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
    EXPECT_EQ(walk(dir.path()), QStringList{dir.filePath(".hidden.mp3")});
}

// A name in a legacy encoding (GB18030 bytes, not UTF-8) is still listed,
// and the walk goes on past it.
TEST(FolderWalk, NamesInOtherEncodingsAreListed)
{
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.path()) + "/\xb2\xe2\xca\xd4.mp3";
    const int fd = ::open(name.constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    touch(dir.filePath("z.mp3"));
    const QStringList files = walk(dir.path());
    ASSERT_EQ(files.size(), 2);
    EXPECT_TRUE(files[0].endsWith(".mp3"));
    EXPECT_TRUE(files[1].endsWith(".mp3"));
}

TEST(FolderWalk, LinkBackUpTheTreeIsNotFollowedAgain)
{
    Tree tree;
    ASSERT_TRUE(QFile::link(tree.m(), tree.m() + "/x/y/back"));
    ASSERT_TRUE(QFile::link(tree.m() + "/x", tree.m() + "/x/loop"));
    EXPECT_EQ(walk(tree.m()).size(), 4);
}

TEST(FolderWalk, LinkToAFolderElsewhereIsFollowed)
{
    Tree tree;
    QDir(tree.dir.path()).mkdir("other");
    touch(tree.dir.filePath("other/e.mp3"));
    ASSERT_TRUE(QFile::link(tree.dir.filePath("other"), tree.m() + "/x/y/link"));
    EXPECT_TRUE(walk(tree.m()).contains(tree.m() + "/x/y/link/e.mp3"));
}

TEST(FolderWalk, UnreadableFolderContributesNothing)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every folder";
    Tree tree;
    ASSERT_EQ(::chmod(QFile::encodeName(tree.m() + "/x").constData(), 0), 0);
    const QStringList files = walk(tree.m());
    ::chmod(QFile::encodeName(tree.m() + "/x").constData(), 0755);
    EXPECT_EQ(files, filesIn(tree.m()));
}

TEST(FolderWalk, MissingRootGivesNothing)
{
    EXPECT_EQ(walk("/nonexistent/folder/for/the/walk"), QStringList{});
}

struct CancelCase {
    const char* name;
    friend void PrintTo(const CancelCase& c, std::ostream* os) { *os << c.name; }
    QString phaseWord; // the pump cancels at the first line of this phase
};

class WalkCancel : public ::testing::TestWithParam<CancelCase> {};

TEST_P(WalkCancel, EscEndsTheWalkWithoutAResult)
{
    Tree tree;
    int calls = 0;
    const auto pump = [&](const QString& line) {
        ++calls;
        return calls > 1 && line.contains(GetParam().phaseWord);
    };
    EXPECT_FALSE(FolderWalk::files(tree.m(), pump, 0).has_value());
    EXPECT_GT(calls, 1);
}

INSTANTIATE_TEST_SUITE_P(Phases, WalkCancel,
                         ::testing::Values(CancelCase{"folders", "下的目录"},
                                           CancelCase{"files", "下的文件"}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(FolderWalk, ProgressCountsFoldersThenFiles)
{
    Tree tree;
    QStringList lines;
    FolderWalk::files(tree.m(), [&](const QString& line) { lines << line; return false; }, 0);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), FolderWalk::progressLine(tree.m(), Phase::Folders, 1, 0));
    EXPECT_EQ(lines.last(), FolderWalk::progressLine(tree.m(), Phase::Files, 3, 4));
}

struct PadCase {
    qsizetype count;
    QString text;
    friend void PrintTo(const PadCase& c, std::ostream* os) { *os << "count " << c.count; }
};

class Padding : public ::testing::TestWithParam<PadCase> {};

TEST_P(Padding, FourColumns)
{
    EXPECT_EQ(FolderWalk::padded(GetParam().count), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Counts, Padding,
                         ::testing::Values(PadCase{0, "   0"}, PadCase{7, "   7"}, PadCase{42, "  42"},
                                           PadCase{999, " 999"}, PadCase{1000, "1000"},
                                           PadCase{12345, "12345"}),
                         TestNames::Printed());

TEST(FolderWalk, ProgressLineTexts)
{
    EXPECT_EQ(FolderWalk::progressLine("/d/m", Phase::Folders, 7, 0),
              QString("正在读取“/d/m”下的目录(文件夹:   7个 文件:   0个 取消请按‘Esc’键)"));
    EXPECT_EQ(FolderWalk::progressLine("/d/m", Phase::Files, 7, 12345),
              QString("正在读取“/d/m”下的文件(文件夹:   7个 文件:12345个 取消请按‘Esc’键)"));
}

} // namespace
