// Media types: the scan table, the filters, the custom suffixes, captions.
#include "playlist/media_types.h"
#include "playlist/scan_filter.h"
#include "playlist_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(MediaTable, HoldsTheTwentyNineSuffixes)
{
    const QStringList& table = MediaTypes::suffixes();
    ASSERT_EQ(table.size(), 29);
    EXPECT_EQ(table.at(0), ".dat");
    EXPECT_EQ(table.at(9), ".rm");
    EXPECT_EQ(table.at(20), ".qmx");
    EXPECT_EQ(table.at(28), ".rmi");
}

struct MatchCase {
    int filter;
    const char* name;
    friend void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }
    bool taken;
};

class FilterMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(FilterMatch, JudgesByEndOfLoweredName)
{
    const MatchCase& c = GetParam();
    EXPECT_EQ(TypeFilter::standard(c.filter).matches(c.name), c.taken)
        << "filter " << c.filter << " " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FilterMatch,
    ::testing::Values(MatchCase{2, "/m/a.MP3", true}, MatchCase{2, "/m/a.mp4", false},
                      MatchCase{6, "/m/readme", true}, MatchCase{6, "/m/a.xyz", true},
                      MatchCase{0, "/m/a.rmi", false}, MatchCase{0, "/m/a.midi", false},
                      MatchCase{2, "/m/a.midi", false}, MatchCase{0, "/m/a.asx", true},
                      MatchCase{3, "/m/a.mov", true}, MatchCase{3, "/m/a.rm", true},
                      MatchCase{1, "/m/AVSEQ01.DAT", true}, MatchCase{1, "/m/a.wav", false},
                      MatchCase{4, "/m/a.gif", true}, MatchCase{4, "/m/a.swf", false},
                      MatchCase{5, "/m/a.swf", true}, MatchCase{5, "/m/l.QMX", true},
                      MatchCase{7, "/m/a.mp3", false}),
    [](const auto& testInfo) {
        return "filter" + std::to_string(testInfo.param.filter) + testName(testInfo.param.name);
    });

struct CustomCase {
    const char* answer;
    QStringList suffixes;
    friend void PrintTo(const CustomCase& c, std::ostream* os)
    {
        *os << c.answer << " " << c.suffixes.join(",").toStdString();
    }
};

class CustomSuffixes : public ::testing::TestWithParam<CustomCase> {};

TEST_P(CustomSuffixes, CutsAnswerAtEachStar)
{
    EXPECT_EQ(MediaTypes::customSuffixes(GetParam().answer), GetParam().suffixes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CustomSuffixes,
    ::testing::Values(CustomCase{"*.dat;*.mp3", {".dat", ".mp3"}}, CustomCase{"*.rm;*.mp3", {".rm", ".mp3"}},
                      CustomCase{"*.jpeg", {".jpeg"}}, CustomCase{"*.MP3", {".mp3"}},
                      CustomCase{"*.mp3 *.wav", {".mp3", ".wav"}}, CustomCase{"mp3", {}},
                      CustomCase{"*", {""}}),
    [](const auto& testInfo) { return std::to_string(testInfo.index) + testName(testInfo.param.answer); });

TEST(CustomFilter, MatchesTypedSuffixes)
{
    const TypeFilter mp3 = TypeFilter::custom("*.mp3");
    EXPECT_TRUE(mp3.matches("/m/x.mp3"));
    EXPECT_TRUE(mp3.matches("/m/x.MP3"));
    EXPECT_TRUE(TypeFilter::custom("*.MP3").matches("/m/x.mp3"));
    const TypeFilter two = TypeFilter::custom("*.rm;*.mp3");
    EXPECT_TRUE(two.matches("/m/x.rm"));
    EXPECT_FALSE(two.matches("/m/x.ram"));
    EXPECT_FALSE(TypeFilter::custom("mp3").matches("/m/x.mp3"));
    EXPECT_EQ(MediaTypes::customSuffixes(QString("*.a").repeated(1000)).size(), 300);
}

TEST(CustomSuffixBox, AsksWithPromptTitleAndLastAnswer)
{
    PlaylistFixture f;
    f.dialogs.answers << "*.mp3";
    EXPECT_EQ(ScanFilter::askCustomSuffix(f.form.state, f.form.dialogs, "增加目录"), "*.mp3");
    const ScriptedDialogs::Shown& box = f.dialogs.shown.last();
    EXPECT_EQ(box.kind, "input");
    EXPECT_EQ(box.text, "  请输入文件后缀(行如  *.dat 或 *.dat;*.mp3;*.jpg)");
    EXPECT_EQ(box.title, "增加目录--自定义后缀");
    EXPECT_EQ(box.defaultText, "*.");
    EXPECT_EQ(ScanFilter::folderDialogTitle(f.form.state, f.form.bofangmulu, 8, "增加目录"), "增加目录--自定义后缀(*.mp3)");

    EXPECT_EQ(ScanFilter::askCustomSuffix(f.form.state, f.form.dialogs, "播放目录"), ""); // cancelled
    EXPECT_EQ(f.dialogs.shown.last().defaultText, "*.mp3");
    ScanFilter::askCustomSuffix(f.form.state, f.form.dialogs, "播放目录");
    EXPECT_EQ(f.dialogs.shown.last().defaultText, "*.");
}

TEST(FolderDialogTitle, UsesThePlayFolderCaptions)
{
    PlaylistFixture f;
    EXPECT_EQ(ScanFilter::folderDialogTitle(f.form.state, f.form.bofangmulu, 2, "播放目录"), "播放目录--音频文件(*.wav;*.mp3;*.mid)");
    EXPECT_EQ(ScanFilter::folderDialogTitle(f.form.state, f.form.bofangmulu, 5, "增加目录"), "增加目录--列表文件(*.qmx)");
}

TEST(FilterMenus, CaptionsDifferOnlyWhereDesigned)
{
    PlaylistFixture f;
    const QStringList common = {"所有媒体文件", "光盘文件(*.dat;*.cda;*.vob)", "音频文件(*.wav;*.mp3;*.mid)",
                                "", "图象文件(*.bmp;*.gif;*.jpg等)", "", "所有文件(*.*)", "-", "自定义后缀"};
    for (const MenuArray* menu : {&f.form.bofangmulu, &f.form.zunjiamulu, &f.form.kuaijie_mulu}) {
        ASSERT_EQ(menu->items().size(), 9);
        for (int i = 0; i < 9; ++i) {
            if (!common.at(i).isEmpty()) {
                EXPECT_EQ(menu->at(i).caption, common.at(i)) << i;
            }
        }
    }
    EXPECT_EQ(f.form.bofangmulu.at(3).caption, "视频文件(*.avi;*.mpg;*.wmv;*.rm)");
    EXPECT_EQ(f.form.zunjiamulu.at(3).caption, "视频文件(*.avi;*.mpg;*.wmv;*.rm)");
    EXPECT_EQ(f.form.kuaijie_mulu.at(3).caption, "视频文件(*.avi;*.mpg;*.wmv)");
    EXPECT_EQ(f.form.bofangmulu.at(5).caption, "列表文件(*.qmx)");
    EXPECT_EQ(f.form.zunjiamulu.at(5).caption, "Flash和列表文件(*.qmx)");
    EXPECT_EQ(f.form.kuaijie_mulu.at(5).caption, "列表文件(*.swf;*.qmx)");
}

TEST(OpenDialogFilter, IsTheDesignedString)
{
    const QStringList parts = MediaTypes::kOpenFilter.split('|');
    ASSERT_EQ(parts.size(), 14);
    EXPECT_TRUE(parts.at(1).startsWith("*.dat;*.cda;*.vob; *.wav;"));
    EXPECT_TRUE(parts.at(1).endsWith(";*.rmi;*.midi;*.swf"));
    EXPECT_EQ(parts.at(5), " *.wav;*.mp3;*.mid");
    EXPECT_EQ(parts.at(6), "视频文件(*.avi;*.mpg;*.wmv;*.rm)");
    EXPECT_EQ(parts.at(8), "图象文件(*.bmp;*.gif;*.jpg;*.ico)");
    EXPECT_EQ(parts.at(12), "所有文件(*.*)");
    EXPECT_EQ(parts.at(13), "*.*");
    EXPECT_EQ(MediaTypes::kListFilter, "列表文件(*.qmx)|*.qmx");
}

} // namespace
