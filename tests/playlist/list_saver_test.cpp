// File ▸ "保存播放列表(&B)": the dialog's settings and the save flow.
#include "playlist/list_saver.h"
#include "playlist_fixture.h"

#include <gtest/gtest.h>

namespace {

struct ProposalCase {
    const char* name;
    friend void PrintTo(const ProposalCase& c, std::ostream* os) { *os << c.name; }
    QString current;
    QString folder;
    QString fileName;
};

class SaveProposal : public ::testing::TestWithParam<ProposalCase> {};

TEST_P(SaveProposal, FolderAndNameOfCurrentEntry)
{
    const ProposalCase& c = GetParam();
    EXPECT_EQ(listStartFolder(c.current), c.folder);
    EXPECT_EQ(proposedListName(c.current), c.fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveProposal,
    ::testing::Values(ProposalCase{"folder", "/d/音乐/x.mp3", "/d/音乐", "列表 音乐"},
                      ProposalCase{"root", "/x.mp3", "/", "列表"},
                      ProposalCase{"relative", "m/x.mp3", "m", "列表 m"},
                      ProposalCase{"empty_folder_name", "/a//x.mp3", "/a/", "列表"},
                      ProposalCase{"no_slash", "列表0", "", ""}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct SaveFixture : PlaylistFixture {
    SaveFixture()
    {
        setList({"/d/音乐/a.mp3", "/d/b.wav"});
        form.liebiao_Click(1);
    }
    Dialogs::FileRequest lastRequest() const { return dialogs.shown.last().request; }
};

TEST(SaveList, DialogOpensAtCurrentEntry)
{
    SaveFixture f;
    f.form.baocunliebiao();
    ASSERT_EQ(f.dialogs.shown.size(), 1);
    const Dialogs::FileRequest r = f.lastRequest();
    EXPECT_EQ(f.dialogs.shown.last().kind, "save");
    EXPECT_EQ(r.title, "列表文件 另存为");
    EXPECT_EQ(r.filter, "列表文件(*.qmx)|*.qmx");
    EXPECT_EQ(r.startFolder, "/d");
    EXPECT_EQ(r.fileName, "列表 d");
}

TEST(SaveList, CancelWritesNothing)
{
    SaveFixture f;
    f.form.baocunliebiao();
    EXPECT_TRUE(QDir(f.dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(SaveList, WritesEveryEntryAndAddsSuffix)
{
    SaveFixture f;
    f.dialogs.answers << f.path("列表 d");
    f.form.baocunliebiao();
    EXPECT_EQ(f.bytes("列表 d.qmx"), gb("/d/音乐/a.mp3\r\n/d/b.wav\r\n"));
}

TEST(SaveList, AsksBeforeReplacing)
{
    SaveFixture f;
    f.putBytes("old.qmx", "old\r\n");
    f.dialogs.answers << f.path("old.qmx") << f.path("old.qmx");
    f.dialogs.questionAnswers << false << true;

    f.form.baocunliebiao();

    QStringList kinds;
    for (const auto& shown : f.dialogs.shown)
        kinds << shown.kind;
    EXPECT_EQ(kinds, QStringList({"save", "question", "save", "question"}));
    EXPECT_EQ(f.dialogs.shown.at(1).text, "old.qmx 已存在。\n要替换它吗?");
    EXPECT_EQ(f.dialogs.shown.at(1).title, "列表文件 另存为");
    EXPECT_EQ(f.dialogs.shown.at(2).request.fileName, f.path("old.qmx")); // offered again
    EXPECT_EQ(f.bytes("old.qmx"), gb("/d/音乐/a.mp3\r\n/d/b.wav\r\n"));
}

TEST(SaveList, NoAndCancelKeepTheOldFile)
{
    SaveFixture f;
    f.putBytes("old.qmx", "old\r\n");
    f.dialogs.answers << f.path("old.qmx");
    f.dialogs.questionAnswers << false;
    f.form.baocunliebiao();
    EXPECT_EQ(f.bytes("old.qmx"), "old\r\n");
}

TEST(SaveList, WithoutCurrentEntryKeepsLastFolderAndName)
{
    SaveFixture f;
    f.dialogs.answers << f.path("mine.qmx");
    f.form.baocunliebiao();
    PlaylistEntries::checkOnly(f.form.liebiao, -1);

    f.form.baocunliebiao();

    EXPECT_EQ(f.lastRequest().startFolder, "/d");
    EXPECT_EQ(f.lastRequest().fileName, f.path("mine.qmx"));
}

} // namespace
