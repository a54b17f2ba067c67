// Damaged files among the entries, played with the real libmpv player:
// files mpv opens (they tell a length, even a picture size) and then
// cannot decode, and files it cannot open at all. Each ends the same way
// every time: skipped in the loop-all mode, reported with looping off.
#include "mpv_fixture.h"

#include "core/display_mode.h"
#include "platform/test_media.h"
#include "playback/loop_mode.h"

#include <QRandomGenerator>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray noise(int size)
{
    QRandomGenerator random(20261210);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

QStringList damagedFiles()
{
    TestMedia& media = testMedia();
    const QString streamable = media.streamableVideo("streamable.mp4", 2);
    return {
        media.cutOff("cut-streamable.mp4", streamable, 1.0 / 8),
        media.cutOff("cut-head.mp4", streamable, 0.05),
        media.cutOff("cut-plain.mp4", media.video("plain.mp4", 2), 1.0 / 8),
        media.file("noise.mp4", noise(64 * 1024)),
        media.file("noise.mp3", noise(32 * 1024)),
        media.file("words.jpg", "some words, no picture\n"),
    };
}

TEST(MpvDamagedEntries, AreSkippedInLoopAllUpToTheGoodEntry)
{
    const QStringList damaged = damagedFiles();
    const QString good = testMedia().tone("after-damage.wav", 3);
    MpvFixture f;
    f.setList(damaged + QStringList{good});
    f.form.liebiao_Click(0);

    const auto reachedGood = [&] {
        return f.player1.url() == good && f.player1.playState() == MediaPlayer::Playing;
    };
    EXPECT_TRUE(QTest::qWaitFor(reachedGood, 30000))
        << "stopped at " << f.player1.url().toStdString() << " in state "
        << int(f.player1.playState());
    EXPECT_TRUE(f.form.liebiao[damaged.size()].checked);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Audio);
    EXPECT_TRUE(f.messages().isEmpty());
    f.form.Timer1.stop();
}

TEST(MpvDamagedEntries, AreReportedWithLoopingOff)
{
    const QStringList damaged = damagedFiles();
    MpvFixture f;
    f.form.xunhuan1_Click(LoopMode::None);
    f.setList(damaged);
    for (int i = 0; i < damaged.size(); ++i) {
        f.form.liebiao_Click(i);
        EXPECT_EQ(f.messages().value(i), "'" + damaged.at(i) + "' 不能播放或不存在!") << i;
        EXPECT_EQ(f.form.state.display_mode, DisplayMode::Idle) << i;
    }
    f.form.Timer1.stop();
}

} // namespace
