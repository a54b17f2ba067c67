// Window events that run while an entry opens: another entry chosen, the
// list rewritten, files dropped, a menu command. Each runs and returns, and
// the opening call carries on without touching what went away.
#include "playback_fixture.h"

#include "core/display_mode.h"
#include "core/flags.h"
#include "playback/loop_mode.h"

#include <gtest/gtest.h>

namespace {

void expectSettled(const PlaybackFixture& f)
{
    EXPECT_TRUE(f.form.state.opening_entry.isEmpty());
    EXPECT_TRUE(f.form.state.tuofang.isEmpty());
    EXPECT_TRUE(f.form.Timer1.isActive());
    EXPECT_EQ(f.form.state.fail_count, 0);
}

TEST(NestedOpen, AnotherEntryChosenMeanwhileIsTheOneThatPlays)
{
    PlaybackFixture f;
    const QString video = f.medium("v.mp4", 320, 240);
    f.setList({f.medium("a.mp3", 0, 0), video});
    f.form.Timer1.start();
    f.player1.whileOpening = [&] { f.form.liebiao_Click(1); };
    f.form.liebiao_Click(0);

    EXPECT_TRUE(f.form.liebiao[1].checked);
    EXPECT_FALSE(f.form.liebiao[0].checked);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Video);
    EXPECT_EQ(f.player1.url(), video);
    EXPECT_EQ(f.player1.playState(), MediaPlayer::Playing);
    EXPECT_TRUE(f.messages().isEmpty());
    expectSettled(f);
}

TEST(NestedOpen, TheListRewrittenMeanwhileIsNotTouchedAfterwards)
{
    PlaybackFixture f;
    const QString survivor = f.medium("new.mp3", 0, 0);
    f.setList({f.medium("a.mp3", 0, 0), f.medium("b.mp3", 0, 0), f.missing("gone.mp3")});
    f.form.Timer1.start();
    // The entry being opened and the ones after it go away.
    f.player1.whileOpening = [&] { f.form.write_liebiao(ListWriter::Replace, survivor + "\r"); };
    f.form.liebiao_Click(2);

    ASSERT_EQ(f.form.state.liebiao_max_index, 0);
    EXPECT_EQ(f.form.liebiao.items().size(), 1);
    EXPECT_TRUE(f.form.liebiao[0].checked);
    EXPECT_EQ(f.player1.url(), survivor) << "loop-all skipped to what the list holds now";
    expectSettled(f);
}

TEST(NestedOpen, FilesDroppedMeanwhilePlayAndTheLoopModeComesBack)
{
    PlaybackFixture f;
    const QString dropped = f.medium("dropped.mp4", 320, 240);
    f.setList({f.medium("a.mp3", 0, 0)});
    f.form.Timer1.start();
    f.player1.whileOpening = [&] {
        f.form.state.tuofang = Flag::Dropping;
        f.form.write_liebiao(ListWriter::Append, dropped + "\r");
    };
    f.form.liebiao_Click(0);

    EXPECT_TRUE(f.form.liebiao[1].checked);
    EXPECT_EQ(f.player1.url(), dropped);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Video);
    EXPECT_TRUE(LoopMode::isChecked(f.form.xunhuan1, LoopMode::All));
    expectSettled(f);
}

TEST(NestedOpen, ADropOpeningWhenAnotherEntryIsChosenStillRestoresTheLoopMode)
{
    PlaybackFixture f;
    f.setList({f.medium("a.mp3", 0, 0), f.medium("b.mp3", 0, 0)});
    f.form.Timer1.start();
    f.selectLoop(LoopMode::RepeatOne);
    f.player1.whileOpening = [&] { f.form.liebiao_Click(1); };
    f.form.state.tuofang = Flag::Dropping;
    f.form.liebiao_Click(0);
    EXPECT_TRUE(LoopMode::isChecked(f.form.xunhuan1, LoopMode::RepeatOne));
    EXPECT_TRUE(f.form.liebiao[1].checked);
    expectSettled(f);
}

TEST(NestedOpen, StopChosenMeanwhileLeavesTheIdleMode)
{
    PlaybackFixture f;
    f.selectLoop(LoopMode::None);
    const QString path = f.medium("a.mp3", 0, 0);
    f.setList({path});
    f.form.Timer1.start();
    f.player1.whileOpening = [&] { f.form.kongzhi1_Click(2); };
    f.form.liebiao_Click(0);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Idle);
    EXPECT_TRUE(f.player1.url().isEmpty());
    expectSettled(f);
}

} // namespace
