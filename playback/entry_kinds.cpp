// The three things an entry may be: a still picture, a medium of the main
// player, an audio-CD track.
#include "core/display_mode.h"
#include "core/flags.h"
#include "core/form1.h"
#include "playback/cd_entry.h"
#include "playback/entry_opener.h"
#include "playback/numeric_value.h"
#include "playback/player_wait.h"
#include "pictures/picture_file.h"

#include <QFileInfo>


namespace {

constexpr double kHundredHours = 100 * 3600;

// Audio and CD play behind the start picture.
void showStartPicture(Form1& form)
{
    form.kaishihuamian();
    form.WindowsMediaPlayer1.setVisible(false);
    form.Picture1.setVisible(true);
}

} // namespace

EntryOpener::Kind EntryOpener::tryPicture(const QString& path, double ratio)
{
    if (!PictureFile::loadInto(form_.Image2, path))
        return Kind::Neither;
    if (refusedInLoopAll())
        return Kind::Refused;
    if (form_.state.display_mode == DisplayMode::Zoom)
        form_.zoomCarryOver(ratio);
    else
        form_.state.display_mode = DisplayMode::Picture;
    form_.WindowsMediaPlayer1.setVisible(false);
    form_.Picture1.setVisible(true);
    return Kind::Shown;
}

EntryOpener::Kind EntryOpener::tryMedium(const QString& path, quint64 call)
{
    Form1State& s = form_.state;
    MediaPlayer& player = form_.WindowsMediaPlayer1;
    s.media_error.clear();
    // A folder is no medium: the player would play what lies in it.
    if (path.isEmpty() || QFileInfo(path).isDir())
        return Kind::Neither;
    player.setUrl(path);
    player.play();
    form_.yanshihuoqu(player);
    if (superseded(call))
        return Kind::Shown;

    const double duration = player.duration().value_or(0);
    if (!(duration > 0))
        return Kind::Neither;
    if (refusedInLoopAll() && duration >= kHundredHours)
        return Kind::Refused;
    form_.state.fail_count = 0;
    if (s.varispeed_state == Flag::Selected)
        form_.xuan_Click(1);
    if (player.imageSourceWidth().value_or(0) > 0) {
        s.display_mode = DisplayMode::Video;
        player.setVisible(true);
        form_.Picture1.setVisible(false);
    } else {
        s.display_mode = DisplayMode::Audio;
        showStartPicture(form_);
    }
    PlayerWait::forLength(player);
    if (!superseded(call))
        player.play();
    return Kind::Shown;
}

bool EntryOpener::tryCdTrack(const QString& path, const QString& caption)
{
    Form1State& s = form_.state;
    form_.WindowsMediaPlayer1.setUrl(QString());
    if (!CdEntry::isTrack(caption))
        return false;
    s.cd_drive = CdEntry::drive(path);
    CdEntry::send(form_.mci, "open  " + s.cd_drive + " type cdaudio alias cd wait shareable");
    CdEntry::send(form_.mci, QStringLiteral("set cd time format tmsf"));
    const double tracks =
        numericValue(CdEntry::ask(form_.mci, s.mci_reply, QStringLiteral("status cd number of tracks wait")));
    CdEntry::ask(form_.mci, s.mci_reply, "seek cd to " + CdEntry::number(CdEntry::trackNumber(caption)));
    CdEntry::send(form_.mci, QStringLiteral("play cd"));
    if (!(tracks > 0))
        return false;
    s.display_mode = DisplayMode::Cd;
    showStartPicture(form_);
    return true;
}
