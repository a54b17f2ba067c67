// The window's seek on an audio CD through the real device: the lengths of
// the tracks before the current one plus the position in it, played from
// while the status line says playing, else only moved to.
#include "cd_form_fixture.h"
#include "cd_image.h"
#include "cd_sound.h"

#include "playback/cd_seek.h"
#include "playback/status_texts.h"

namespace {

struct SeekCase {
    int entry;          // the list's entry, track entry + 1
    bool playing;
    double position_ms; // within the track
    const char* lands;  // where the device stands, at least to the second
};

class CdSeek : public SoundServerTest, public ::testing::WithParamInterface<SeekCase> {};

TEST_P(CdSeek, LandsInTheCurrentTrack)
{
    CdImages images;
    const QString cue = images.audioDisc("disc", CdImages::threeTones());
    ASSERT_FALSE(cue.isEmpty());
    CdListFixture f;
    f.setList({cue + "/Track01.cda", cue + "/Track02.cda", cue + "/Track03.cda"});
    const SeekCase& c = GetParam();
    f.form.liebiao_Click(c.entry);
    if (!c.playing) {
        ASSERT_TRUE(f.mci.send("pause cd wait"));
    }
    // The status refresh and the end-of-media step learn the current track.
    f.form.shijian3();
    f.form.shijian6();
    ASSERT_EQ(f.form.state.cd_track, c.entry + 1);
    ASSERT_EQ(f.form.ditiao.caption().startsWith(StatusTexts::Playing), c.playing);

    f.form.state.position_ms = c.position_ms;
    seekCd(f.form.state, f.form.mci, f.form.ditiao);
    QString mode, position;
    f.mci.send("status cd mode", &mode);
    f.mci.send("status cd position", &position);
    EXPECT_EQ(mode, c.playing ? "playing" : "stopped");
    if (c.playing) {
        EXPECT_TRUE(position.startsWith(QString::fromLatin1(c.lands).left(9))) << position.toStdString();
    } else {
        EXPECT_EQ(position, c.lands);
    }
    f.mci.send("stop cd wait");
}

INSTANTIATE_TEST_SUITE_P(Tracks, CdSeek, ::testing::Values(
    SeekCase{0, true, 1000, "01:00:01:00"},
    SeekCase{1, true, 0, "02:00:00:00"},
    SeekCase{2, true, 2000, "03:00:02:00"},
    SeekCase{0, false, 3000, "01:00:03:00"},
    SeekCase{1, false, 2000, "02:00:02:00"},
    SeekCase{2, false, 0, "03:00:00:00"},
    SeekCase{2, false, 4000, "03:00:04:00"}));

} // namespace
