// A list of the three tracks of a disc image, played by the window's model
// through the real CD device: in the loop-all mode each track plays to its
// end, the next follows and the last wraps to the first, with the status
// line's CD times on the way.
#include "cd_image.h"
#include "cd_sound.h"

#include "cd_form_fixture.h"

#include "core/display_mode.h"
#include "playback/status_texts.h"

#include <QTest>

namespace {

class CdList : public SoundServerTest {};

TEST_F(CdList, ALoopAllListOfTracksPlaysThroughAndWraps)
{
    CdImages images;
    const QString cue = images.audioDisc("disc", CdImages::threeTones());
    ASSERT_FALSE(cue.isEmpty());
    CdListFixture f;
    f.play({cue + "/Track01.cda", cue + "/Track02.cda", cue + "/Track03.cda"});
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Cd);

    // Entries in the order they became current.
    QList<int> order;
    const auto follow = [&] {
        const int now = PlaylistEntries::current(f.form.liebiao);
        if (order.isEmpty() || order.last() != now)
            order << now;
        return order.size() >= 4;
    };
    ASSERT_TRUE(QTest::qWaitFor(follow, 30000)) << order.size();
    f.form.Timer1.stop();
    EXPECT_EQ(order, (QList<int>{0, 1, 2, 0}));
    EXPECT_TRUE(f.dialogs.shown.isEmpty());

    // Each track ran in the status line from its start to its length
    // (whole seconds: 3.21 s, 2.63 s, 4.03 s). The last track of the disc
    // may have stopped by itself when its end is shown.
    const QStringList lengths = {"00:00:03", "00:00:02", "00:00:04"};
    for (int entry = 0; entry < 3; ++entry) {
        bool started = false, ended = false;
        for (const auto& [current, line] : f.ditiao.shown) {
            if (current != entry)
                continue;
            started = started || (line.startsWith(StatusTexts::Playing)
                                  && (line.endsWith("00:00:00/" + lengths[entry])
                                      || line.endsWith("00:00:01/" + lengths[entry])));
            ended = ended || line.endsWith(lengths[entry] + '/' + lengths[entry]);
        }
        EXPECT_TRUE(started) << entry;
        EXPECT_TRUE(ended) << entry;
    }
}

TEST_F(CdList, ATrackPastTheLastIsLeftAtTheFirstCheck)
{
    CdImages images;
    const QString cue = images.audioDisc("disc", CdImages::threeTones());
    ASSERT_FALSE(cue.isEmpty());
    CdListFixture f;
    f.form.xunhuan1_Click(LoopMode::None);
    f.setList({cue + "/Track07.cda"});
    f.form.liebiao_Click(0);
    // The seek to track 7 fails, so the disc plays from where it stands;
    // the disc has tracks, so the entry counts as a CD track.
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Cd);
    QString reply;
    f.mci.send("status cd mode", &reply);
    EXPECT_EQ(reply, "playing");
    // The first end-of-media check finds the disc on another track than
    // the entry's and stops it, without a message.
    f.form.shijian3();
    f.form.shijian6();
    f.mci.send("status cd mode", &reply);
    EXPECT_EQ(reply, "stopped");
    f.mci.send("status cd position", &reply);
    EXPECT_EQ(reply, "01:00:00:00");
    EXPECT_TRUE(f.dialogs.shown.isEmpty());
}

} // namespace
