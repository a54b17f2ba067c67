// The options file: eight lines written at shutdown and applied at start-up.
#include "options/option_values.h"
#include "playlist/playlist_fixture.h"

#include <gtest/gtest.h>

namespace {

const QString kOptions = "数据库/选项.bfq";

struct OptionsFixture : PlaylistFixture {
    OptionsFixture()
    {
        for (int i = 1; i < 4; ++i) {
            form.huamian[i].caption = QString("画面%1").arg(i + 1);
            form.beijing1[i].caption = QString("背景图0%1").arg(i + 1);
        }
    }
    int checkedOf(const MenuArray& menu) const
    {
        int found = -1;
        for (auto it = menu.items().cbegin(); it != menu.items().cend(); ++it) {
            if (it.value().checked) {
                EXPECT_EQ(found, -1) << "more than one item checked";
                found = it.key();
            }
        }
        return found;
    }
    void readOptions(const QByteArray& bytes)
    {
        makeDataFolder();
        putBytes(kOptions, bytes);
        form.duquxuanxiang();
    }
};

TEST(StoreOptions, WritesEightLinesThenTheList)
{
    OptionsFixture f;
    f.makeDataFolder();
    f.form.xunhuan1_Click(1);
    f.form.huamian[0].checked = false;
    f.form.huamian[2].checked = true;
    f.form.xuanxiang1[8].checked = false;
    f.form.xuanxiang1[2].checked = true;
    f.form.state.form5_yunantupian = "1";
    f.form.state.form5_yunanyinshipin = "0";
    f.form.beijing1[0].checked = false;
    f.form.beijing1[3].checked = true;
    f.setList({"/m/a.mp3"});

    f.form.cunchuxuanxiang();

    EXPECT_EQ(f.bytes(kOptions), "1\r\n2\r\n0\r\n-1\r\n1\r\n0\r\n\r\n3\r\n");
    EXPECT_EQ(f.bytes("数据库/播放列表.qmx"), "/m/a.mp3\r\n");
}

TEST(StoreOptions, MissingFolderStoresNothing)
{
    OptionsFixture f;
    f.form.cunchuxuanxiang();
    EXPECT_TRUE(QDir(f.dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(StoreOptions, NothingCheckedWritesZero)
{
    OptionsFixture f;
    f.makeDataFolder();
    for (int i = 0; i < 3; ++i)
        f.form.xunhuan1[i].checked = false;
    f.form.beijing1[0].checked = false;
    f.form.state.form5_yunanflash = "a\r\nb";
    f.form.cunchuxuanxiang();
    EXPECT_EQ(f.bytes(kOptions), "0\r\n0\r\n0\r\n-1\r\n\r\n\r\na\r\n0\r\n");
}

TEST(ReadOptions, MissingFileGivesDefaults)
{
    OptionsFixture f;
    f.form.xunhuan1_Click(2);
    f.form.huamian[0].checked = false;
    f.form.huamian[3].checked = true;
    f.form.state.form5_yunantupian = "1";
    f.form.duquxuanxiang();

    EXPECT_EQ(f.checkedOf(f.form.xunhuan1), 2); // not a number: the loop mode stays
    EXPECT_EQ(f.checkedOf(f.form.huamian), 0);
    EXPECT_FALSE(f.form.xuanxiang1[8].checked);
    EXPECT_FALSE(f.form.xuanxiang1[2].checked);
    EXPECT_EQ(f.form.state.form5_yunantupian, "");
    EXPECT_EQ(f.form.state.form5_yunanyinshipin, "");
    EXPECT_EQ(f.form.state.form5_yunanflash, "");
    EXPECT_EQ(f.checkedOf(f.form.beijing1), 0);
    EXPECT_EQ(f.form.backgroundClicks, QList<int>{0});
}

TEST(ReadOptions, AppliesEveryLine)
{
    OptionsFixture f;
    f.readOptions("1\r\n2\r\nTrue\r\n-1\r\n1\r\n0\r\nx\r\n3\r\n");
    EXPECT_EQ(f.checkedOf(f.form.xunhuan1), 1);
    EXPECT_FALSE(f.form.xuanxiang1[1].enabled);
    EXPECT_EQ(f.checkedOf(f.form.huamian), 2);
    EXPECT_TRUE(f.form.xuanxiang1[8].checked);
    EXPECT_TRUE(f.form.xuanxiang1[2].checked);
    EXPECT_EQ(f.form.state.form5_yunantupian, "1");
    EXPECT_EQ(f.form.state.form5_yunanyinshipin, "0");
    EXPECT_EQ(f.form.state.form5_yunanflash, "x");
    EXPECT_EQ(f.checkedOf(f.form.beijing1), 3);
    EXPECT_EQ(f.form.backgroundClicks, QList<int>{3});
}

TEST(ReadOptions, ShortFileRepeatsItsLastLine)
{
    OptionsFixture f;
    f.readOptions("1\n2\n0\n0\n");
    EXPECT_EQ(f.form.state.form5_yunantupian, "0");
    EXPECT_EQ(f.form.state.form5_yunanyinshipin, "0");
    EXPECT_EQ(f.form.state.form5_yunanflash, "0");
    EXPECT_EQ(f.checkedOf(f.form.beijing1), 0);
    EXPECT_EQ(f.form.backgroundClicks, QList<int>{0});
}

TEST(ReadOptions, StoredOptionsComeBack)
{
    OptionsFixture f;
    f.makeDataFolder();
    f.form.xunhuan1_Click(2);
    f.form.xuanxiang1[8].checked = true;
    f.form.xuanxiang1[2].checked = false;
    f.form.state.form5_yunanyinshipin = "1";
    f.form.cunchuxuanxiang();

    OptionsFixture next;
    next.form.programDir = f.form.programDir;
    next.form.duquxuanxiang();
    EXPECT_EQ(next.checkedOf(next.form.xunhuan1), 2);
    EXPECT_TRUE(next.form.xuanxiang1[8].checked);
    EXPECT_FALSE(next.form.xuanxiang1[2].checked);
    EXPECT_EQ(next.form.state.form5_yunanyinshipin, "1");
}

// Files that no program wrote still give a usable state.
TEST(ReadOptions, BadFilesFallBack)
{
    const QList<QByteArray> files = {
        QByteArray(),
        QByteArray("\0\0\0\r\n\0", 6),
        QByteArray(10 << 20, '7'),
        QByteArray("\xff\xfe\x81\r\n\x80\x80\r\n"),
        QByteArray("9\r\n-1\r\nmaybe\r\n2e400\r\n"),
    };
    for (const QByteArray& bytes : files) {
        OptionsFixture f;
        f.readOptions(bytes);
        EXPECT_EQ(f.checkedOf(f.form.xunhuan1), 0);
        EXPECT_EQ(f.checkedOf(f.form.huamian), 0);
        EXPECT_FALSE(f.form.xuanxiang1[2].checked);
        EXPECT_EQ(f.checkedOf(f.form.beijing1), 0);
        EXPECT_EQ(f.form.backgroundClicks, QList<int>{0});
    }
}

struct IndexCase {
    const char* text;
    int count;
    int index;
    friend void PrintTo(const IndexCase& c, std::ostream* os)
    {
        *os << c.text << " " << c.count << " " << c.index;
    }
};

class MenuIndexLine : public ::testing::TestWithParam<IndexCase> {};

TEST_P(MenuIndexLine, ChoosesAnExistingItem)
{
    const IndexCase& c = GetParam();
    QStringList lines(8, "0");
    lines[7] = c.text;
    EXPECT_EQ(OptionValues::plan(lines, 4, c.count).background, c.index);
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuIndexLine,
                         ::testing::Values(IndexCase{"3", 4, 3}, IndexCase{"4", 4, 0}, IndexCase{"-1", 4, 0},
                                           IndexCase{"x", 4, 0}, IndexCase{" 2 ", 4, 2},
                                           IndexCase{"2.5", 4, 2}, IndexCase{"1.5", 4, 2},
                                           IndexCase{"", 4, 0}, IndexCase{"1", 0, 0}),
                         [](const auto& testInfo) {
                             return std::to_string(testInfo.index) + testName(testInfo.param.text) + "_of"
                                 + std::to_string(testInfo.param.count);
                         });

TEST(OptionValuesBoolean, NumbersAndWords)
{
    EXPECT_EQ(OptionValues::toBoolean("-1"), true);
    EXPECT_EQ(OptionValues::toBoolean("0"), false);
    EXPECT_EQ(OptionValues::toBoolean("2"), true);
    EXPECT_EQ(OptionValues::toBoolean("true"), true);
    EXPECT_EQ(OptionValues::toBoolean("False"), false);
    EXPECT_EQ(OptionValues::toBoolean(""), std::nullopt);
    EXPECT_EQ(OptionValues::toBoolean("yes"), std::nullopt);
    EXPECT_EQ(OptionValues::toBoolean("nan"), std::nullopt);
}

} // namespace
