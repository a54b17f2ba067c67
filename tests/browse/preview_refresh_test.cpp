// What the preview box shows for the dialog's selection.
#include "doubles/test_names.h"
#include "browse/preview_fit.h"
#include "form5_fixture.h"

#include <gtest/gtest.h>

namespace {

struct FitCase {
    int w;
    int h;
    TwipsRect expected;
    friend void PrintTo(const FitCase& c, std::ostream* os) { *os << c.w << "x" << c.h; }
};

void expectPlace(const TwipsRect& actual, const TwipsRect& expected)
{
    EXPECT_DOUBLE_EQ(actual.left, expected.left);
    EXPECT_DOUBLE_EQ(actual.top, expected.top);
    EXPECT_DOUBLE_EQ(actual.width, expected.width);
    EXPECT_DOUBLE_EQ(actual.height, expected.height);
}

class PictureFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(PictureFit, ShowsThePictureFittedAndCentred)
{
    const FitCase c = GetParam();
    Form5Fixture f;
    f.check(1, 1);
    const QString path = f.picture(c.w, c.h);
    f.form5.ccrpFileDialogs1_FileBrowse(path);

    EXPECT_EQ(f.form.state.ccrpFileDialogs1_mingcheng, path);
    expectPlace(f.Image1.place(), c.expected);
    EXPECT_EQ(f.Image1.picture().size(), QSize(c.w, c.h));
    EXPECT_TRUE(f.Image1.isVisible());
    EXPECT_FALSE(f.placeholder.isVisible());
    EXPECT_FALSE(f.Shape1.isVisible());
    EXPECT_FALSE(f.preview.isVisible());
    EXPECT_FALSE(f.form.calls.contains("yanshihuoqu")); // a picture is not played
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureFit,
                         ::testing::Values(FitCase{100, 80, {817.5, 517.5, 1500, 1200}},
                                           FitCase{400, 300, {317.5, 180, 2500, 1875}},
                                           FitCase{800, 200, {135, 759.375, 2865, 716.25}},
                                           FitCase{191, 125, {135, 180, 2865, 1875}},
                                           FitCase{60, 1000, {1511.25, 180, 112.5, 1875}}),
                         TestNames::Printed());

class VideoFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(VideoFit, PlaysTheVideoFittedAndCentred)
{
    const FitCase c = GetParam();
    Form5Fixture f;
    f.check(0, 1);
    const QString path = f.medium("v.mp4", c.w, c.h);
    f.form5.ccrpFileDialogs1_FileBrowse(path);

    EXPECT_EQ(f.preview.url(), path);
    EXPECT_EQ(f.preview.playState(), MediaPlayer::Playing);
    expectPlace(f.preview.place(), c.expected);
    EXPECT_TRUE(f.preview.isVisible());
    EXPECT_FALSE(f.Image1.isVisible());
    EXPECT_FALSE(f.placeholder.isVisible());
    EXPECT_FALSE(f.Shape1.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Videos, VideoFit,
                         ::testing::Values(FitCase{1920, 1080, {135, 311.71875, 2865, 1611.5625}},
                                           FitCase{320, 240, {317.5, 180, 2500, 1875}},
                                           FitCase{16, 9, {135, 311.71875, 2865, 1611.5625}}),
                         TestNames::Printed());

TEST(PreviewRefresh, BothBoxesOffShowTheEmptyBoxAndPlayNothing)
{
    Form5Fixture f;
    f.check(0, 0);
    for (const QString& path : {f.picture(100, 80), f.medium("s.mp3", 0, 0)}) {
        f.form5.ccrpFileDialogs1_FileBrowse(path);
        EXPECT_TRUE(f.showsEmptyBox()) << path.toStdString();
        EXPECT_EQ(f.preview.url(), QString());
    }
    EXPECT_FALSE(f.form.calls.contains("yanshihuoqu"));
}

TEST(PreviewRefresh, SeveralFilesShowTheEmptyBox)
{
    Form5Fixture f;
    f.check(1, 1);
    f.form5.ccrpFileDialogs1_FileBrowse(f.picture(100, 80));
    f.form5.ccrpFileDialogs1_FileBrowse(QStringLiteral("\"a.jpg\" \"b.mp3\" "));
    EXPECT_EQ(f.form.state.ccrpFileDialogs1_mingcheng, QString());
    EXPECT_TRUE(f.showsEmptyBox());
    EXPECT_EQ(f.placeholder.caption(), QStringLiteral("预览区"));
}

TEST(PreviewRefresh, PictureWithPicturePreviewOffIsNotPlayed)
{
    Form5Fixture f;
    f.check(0, 1);
    f.form5.ccrpFileDialogs1_FileBrowse(f.picture(100, 80));
    EXPECT_EQ(f.preview.urlsSet, QStringList({"", ""})); // emptied at load and refresh only
    EXPECT_TRUE(f.showsEmptyBox());
}

TEST(PreviewRefresh, SoundPlaysBehindTheEmptyBox)
{
    Form5Fixture f;
    f.check(1, 1);
    f.form.state.media_error = QStringLiteral("错误");
    const QString path = f.medium("s.mp3", 0, 0);
    f.form5.ccrpFileDialogs1_FileBrowse(path);
    EXPECT_EQ(f.form.state.media_error, QString());
    EXPECT_EQ(f.preview.url(), path);
    EXPECT_EQ(f.preview.playState(), MediaPlayer::Playing);
    EXPECT_TRUE(f.showsEmptyBox());
}

TEST(PreviewRefresh, FileNeitherPictureNorMediumShowsTheEmptyBox)
{
    Form5Fixture f;
    f.check(1, 1);
    f.form5.ccrpFileDialogs1_FileBrowse(f.dir.filePath("notes.txt"));
    EXPECT_TRUE(f.form.calls.contains("yanshihuoqu"));
    EXPECT_TRUE(f.showsEmptyBox());
}

TEST(PreviewRefresh, PictureWithoutAHeightIsNotFitted)
{
    Form5Fixture f;
    f.check(1, 1);
    const QString path = f.medium("odd.avi", 320, 0);
    f.form5.ccrpFileDialogs1_FileBrowse(path);
    EXPECT_EQ(f.preview.url(), path); // it plays on, as a sound does
    EXPECT_TRUE(f.showsEmptyBox());
    EXPECT_EQ(f.preview.left(), 20000);
}

TEST(PreviewRefresh, ANewSelectionStopsTheLastPreview)
{
    Form5Fixture f;
    f.check(1, 1);
    f.form5.ccrpFileDialogs1_FileBrowse(f.medium("v.mp4", 320, 240));
    const QString picture = f.picture(100, 80);
    f.form5.ccrpFileDialogs1_FileBrowse(picture);
    EXPECT_EQ(f.preview.url(), QString());
    EXPECT_FALSE(f.preview.isVisible());
    EXPECT_EQ(f.preview.left(), 20000);
    EXPECT_TRUE(f.Image1.isVisible());
    EXPECT_EQ(f.form.state.ccrpFileDialogs1_mingcheng, picture);
}

// Check2_Click: a running medium keeps "预览图片" from refreshing; a shown
// picture keeps "预览音频视频" from refreshing; otherwise the box refreshes.
TEST(PreviewChecks, PicturePreviewClickLeavesAPlayingSound)
{
    Form5Fixture f;
    f.check(0, 1);
    const QString sound = f.medium("s.mp3", 0, 0);
    f.form5.ccrpFileDialogs1_FileBrowse(sound);
    f.pictureCheck.setValue(1);
    f.form5.Check2_Click(0);
    EXPECT_EQ(f.preview.url(), sound);
    EXPECT_EQ(f.preview.urlsSet.size(), 3);
}

TEST(PreviewChecks, UncheckingMediaPreviewStopsTheSound)
{
    Form5Fixture f;
    f.check(1, 1);
    f.form5.ccrpFileDialogs1_FileBrowse(f.medium("s.mp3", 0, 0));
    f.mediaCheck.setValue(0);
    f.form5.Check2_Click(1);
    EXPECT_EQ(f.preview.url(), QString());
    EXPECT_TRUE(f.showsEmptyBox());
}

TEST(PreviewChecks, MediaPreviewClickLeavesAShownPicture)
{
    Form5Fixture f;
    f.check(1, 0);
    f.form5.ccrpFileDialogs1_FileBrowse(f.picture(400, 300));
    const int urls = f.preview.urlsSet.size();
    f.mediaCheck.setValue(1);
    f.form5.Check2_Click(1);
    EXPECT_EQ(f.preview.urlsSet.size(), urls);
    EXPECT_FALSE(f.Image1.picture().isNull());
}

TEST(PreviewChecks, CheckingPicturePreviewShowsTheSelectedPicture)
{
    Form5Fixture f;
    f.check(0, 1);
    f.form5.ccrpFileDialogs1_FileBrowse(f.picture(100, 80));
    ASSERT_TRUE(f.showsEmptyBox());
    f.pictureCheck.setValue(1);
    f.form5.Check2_Click(0);
    EXPECT_EQ(f.Image1.place(), (TwipsRect{817.5, 517.5, 1500, 1200}));
    EXPECT_FALSE(f.placeholder.isVisible());
}

TEST(PreviewPlayerClick, LeftClickPausesAndResumes)
{
    Form5Fixture f;
    f.check(1, 1);
    f.form5.ccrpFileDialogs1_FileBrowse(f.medium("v.mp4", 320, 240));
    emit f.preview.Click(2);
    EXPECT_EQ(f.preview.playState(), MediaPlayer::Playing);
    emit f.preview.Click(1);
    EXPECT_EQ(f.preview.playState(), MediaPlayer::Paused);
    emit f.preview.Click(1);
    EXPECT_EQ(f.preview.playState(), MediaPlayer::Playing);
    f.preview.report(MediaPlayer::MediaEnded);
    f.form5.WindowsMediaPlayer1_Click(1);
    EXPECT_EQ(f.preview.playState(), MediaPlayer::MediaEnded);
}

} // namespace
