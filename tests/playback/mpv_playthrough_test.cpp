// Playing lists with the real libmpv player, without a person: media made
// with ffmpeg, missing and broken files among them.
#include "mpv_fixture.h"

#include "core/display_mode.h"
#include "platform/test_media.h"
#include "playback/loop_mode.h"

#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(MpvPlaythrough, ALoopAllListPlaysThroughSkipsWhatCannotPlayAndWraps)
{
    TestMedia& media = testMedia();
    const QString first = media.tone("first.wav", 1);
    const QString film = media.video("film.mp4", 1);
    const QString last = media.tone("last.wav", 1, 660);
    const QString missing = media.path("missing.mp3");
    const QString corrupt = media.file("corrupt.mp4", QByteArray(64 * 1024, '\x3c'));

    MpvFixture f;
    QStringList reached; // the media that reached playState 3, in order
    QObject::connect(&f.player1, &MediaPlayer::StatusChange, &f.player1, [&] {
        if (f.player1.playState() == MediaPlayer::Playing
            && (reached.isEmpty() || reached.last() != f.player1.url()))
            reached << f.player1.url();
    });
    f.setList({first, missing, film, corrupt, last});
    f.form.liebiao_Click(0);

    ASSERT_TRUE(QTest::qWaitFor([&] { return reached.size() >= 4; }, 60000)) << reached.join(", ").toStdString();
    EXPECT_EQ(reached.mid(0, 4), (QStringList{first, film, last, first}));
    EXPECT_TRUE(f.messages().isEmpty());
    EXPECT_TRUE(f.form.liebiao[0].checked);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Audio);
    f.form.Timer1.stop();
}

TEST(MpvPlaythrough, EntriesThatAreNoMediaAreReported)
{
    TestMedia& media = testMedia();
    const QByteArray film = [&] {
        QFile file(media.video("whole.mp4", 2));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    ASSERT_GT(film.size(), 4096);
    QDir(media.path("")).mkpath("folder.mp3");
    const QStringList bad = {
        media.file("empty.mp3", {}),
        media.file("truncated.mp4", film.left(film.size() / 8)),
        media.file("notes.avi", "not a film\r\n"),
        media.file("list.txt", media.tone("inside.wav", 1).toUtf8() + "\n"),
        media.path("folder.mp3"),
    };
    MpvFixture f;
    f.form.xunhuan1_Click(LoopMode::None);
    f.setList(bad);
    for (int i = 0; i < bad.size(); ++i) {
        f.form.liebiao_Click(i);
        EXPECT_EQ(f.messages().value(i), "'" + bad.at(i) + "' 不能播放或不存在!") << i;
        EXPECT_EQ(f.form.state.display_mode, DisplayMode::Idle) << i;
        EXPECT_TRUE(f.player1.url().isEmpty()) << i;
    }
    f.form.Timer1.stop();
}

} // namespace
