// Sorting the playlist by folder, file name or suffix.
#include "playlist/playlist_sorter.h"
#include "playlist/sort_key.h"
#include "playlist_fixture.h"

#include <QRandomGenerator>
#include <numeric>
#include <gtest/gtest.h>

namespace {

struct KeyCase {
    const char* path;
    int index;
    const char* key;
    friend void PrintTo(const KeyCase& c, std::ostream* os)
    {
        *os << c.path << " " << c.index << " " << c.key;
    }
};

class SortKeyText : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SortKeyText, TurnsPathAround)
{
    EXPECT_EQ(sortKey(GetParam().path, GetParam().index), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Cases, SortKeyText,
                         ::testing::Values(KeyCase{"/d/m/a.mp3", 0, "/d/m/a.mp3"},
                                           KeyCase{"/d/m/a.mp3", 1, "a.mp3 /d/m/"},
                                           KeyCase{"/d/m/a.mp3", 2, "mp3 /d/m/a."},
                                           KeyCase{"plain", 1, "plain "},
                                           KeyCase{"/d/plain", 2, "/d/plain "}),
                         [](const auto& testInfo) {
                             return "key" + std::to_string(testInfo.param.index) + testName(testInfo.param.path);
                         });

struct SortCase {
    const char* name;
    friend void PrintTo(const SortCase& c, std::ostream* os) { *os << c.name; }
    QStringList paths;
    int index;
    QStringList sorted;
};

class SortList : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortList, OrdersByKeyKeepingCurrentEntry)
{
    const SortCase& c = GetParam();
    PlaylistFixture f;
    f.setList(c.paths);
    f.form.liebiao_Click(0);
    const QString current = c.paths.at(0);

    f.form.paixu1_Click(c.index);

    EXPECT_EQ(f.paths(), c.sorted);
    EXPECT_EQ(f.paths().at(f.checked()), current);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(f.form.paixu1[i].checked, i == c.index);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortList,
    ::testing::Values(
        SortCase{"by_folder", {"/m/b/x.mp3", "/m/a/z.mp3", "/m/a/y.mp3"}, 0,
                 {"/m/a/y.mp3", "/m/a/z.mp3", "/m/b/x.mp3"}},
        SortCase{"by_name", {"/z/b.mp3", "/a/c.mp3", "/y/a.wav"}, 1, {"/y/a.wav", "/z/b.mp3", "/a/c.mp3"}},
        SortCase{"by_suffix", {"/m/a.wav", "/m/b.mp3", "/m/c.avi"}, 2, {"/m/c.avi", "/m/b.mp3", "/m/a.wav"}},
        SortCase{"capitals_first", {"/m/a.mp3", "/m/B.mp3", "/m/b.mp3"}, 1,
                 {"/m/B.mp3", "/m/a.mp3", "/m/b.mp3"}},
        SortCase{"by_code_unit", {"/m/音.mp3", "/m/z.mp3", "/m/乐.mp3"}, 0,
                 {"/m/z.mp3", "/m/乐.mp3", "/m/音.mp3"}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(SortCaptions, FollowTheDirectoryOption)
{
    PlaylistFixture f;
    f.showDirectories(false);
    f.setList({"/b/x.mp3", "/a/y.mp3"});
    f.form.paixu1_Click(0);
    EXPECT_EQ(f.captions(), QStringList({"y.mp3", "x.mp3"}));
    EXPECT_EQ(f.form.state.entry_dirs, QStringList({"/a/", "/b/"}));
    EXPECT_FALSE(f.form.xuanxiang1[2].checked);

    f.showDirectories(true);
    f.setList({"/b/x.mp3", "/a/y.mp3"});
    f.form.paixu1_Click(0);
    EXPECT_EQ(f.captions(), QStringList({"/a/y.mp3", "/b/x.mp3"}));
    EXPECT_EQ(f.form.state.entry_dirs, QStringList({"", ""}));
    EXPECT_TRUE(f.form.xuanxiang1[2].checked);
}

// The exchange sort the menu was designed with, as the reference order.
QStringList exchangeSorted(QStringList paths, int index)
{
    QStringList keys;
    for (const QString& p : paths)
        keys << sortKey(p, index);
    for (int i = 0; i + 1 < keys.size(); ++i) {
        for (int j = i + 1; j < keys.size(); ++j) {
            if (keys[i] > keys[j]) {
                keys.swapItemsAt(i, j);
                paths.swapItemsAt(i, j);
            }
        }
    }
    return paths;
}

TEST(SortList, GivesTheExchangeSortOrder)
{
    QRandomGenerator random(11);
    const QStringList parts = {"Music", "音乐", "a", "B", "x.y", "Disc 1"};
    const QStringList suffixes = {".mp3", ".MP3", ".wav", "", ".flac"};
    QStringList paths;
    for (int i = 0; i < 400; ++i) {
        QString p;
        for (int d = 0, n = 1 + random.bounded(3); d < n; ++d)
            p += "/" + parts.at(random.bounded(parts.size()));
        paths << p + "/" + QString::number(random.bounded(50)) + suffixes.at(random.bounded(suffixes.size()));
    }
    for (const bool shown : {false, true}) {
        for (int index = 0; index < 3; ++index) {
            PlaylistFixture f;
            f.showDirectories(shown);
            f.setList(paths);
            f.form.paixu1_Click(index);
            EXPECT_EQ(f.paths(), exchangeSorted(paths, index)) << "sort " << index;
        }
    }
}

// Keys built from a folder part and a caption read as the joined path's
// key wherever the path is cut, and order as the joined keys do.
TEST(SortKeyParts, KeyAndOrderIndependentOfCut)
{
    const QStringList paths = {"/m/a.b/c", "/m/a.b/c.d", "/m.x/ab", "/m/a", "/m/a b", "plain", "/m/a.",
                               "/m/\t.mp3", "/m/a/", "", "/m/a.b/c"};
    for (int index = 0; index < 3; ++index) {
        std::vector<SortKeys::Path> parts;
        for (int i = 0; i < paths.size(); ++i) {
            const QString& p = paths.at(i);
            for (int cut = 0; cut <= p.size(); ++cut) {
                QString key;
                SortKeys::append(key, QStringView(p).left(cut), QStringView(p).mid(cut), index);
                ASSERT_EQ(key, sortKey(p, index)) << p.toStdString() << " cut " << cut;
            }
            parts.push_back({QStringView(p).left(i % (p.size() + 1)), QStringView(p).mid(i % (p.size() + 1))});
        }
        std::vector<int> expected(paths.size());
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            return sortKey(paths.at(a), index) < sortKey(paths.at(b), index);
        });
        EXPECT_EQ(SortKeys::order(parts, index), expected) << "sort " << index;
    }
}

TEST(SortList, ExchangeExampleWithEqualKeys)
{
    PlaylistFixture f;
    f.setList({"/m/b", "/m/b", "/m/a"});
    f.form.liebiao_Click(1);
    f.form.paixu1_Click(0);
    EXPECT_EQ(f.paths(), QStringList({"/m/a", "/m/b", "/m/b"}));
    EXPECT_EQ(f.checked(), 2); // the checked copy keeps its place after the other
}

} // namespace
