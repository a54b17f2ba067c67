// Giving up an entry that is neither a picture, nor a medium, nor a
// playable CD track.
#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "core/form1.h"
#include "core/scoped_value.h"
#include "playback/entry_opener.h"
#include "playback/loop_mode.h"

namespace {

void uncheckNoPictures(Form1& form)
{
    form.xuanxiang1[OptionsItem::NoPicturesInLoopAll].checked = false;
}

} // namespace

void EntryOpener::giveUp(int Index, const QString& path)
{
    const bool noPictures = LoopMode::noPicturesInLoopAll(form_.xuanxiang1);
    if (LoopMode::isChecked(form_.xunhuan1, LoopMode::All)) {
        form_.state.fail_count += 1;
        if (form_.state.fail_count < form_.state.liebiao_max_index + 2) {
            playNextAfterGivingUp();
        } else if (!noPictures) {
            stopTrying(path);
        } else {
            // Only pictures were left: accept them from now on.
            form_.state.fail_count = 0;
            uncheckNoPictures(form_);
            form_.kuaijiecaidan1_Click(ShortcutItem::Replay);
        }
        return;
    }
    if (!noPictures) {
        stopTrying(path);
        return;
    }
    form_.state.fail_count = 0;
    uncheckNoPictures(form_);
    form_.liebiao_Click(Index);
}

// Plays the next entry. Called inside a run of skips, it only leaves the
// entry for the run's loop; the first skip runs the loop.
void EntryOpener::playNextAfterGivingUp()
{
    {
        const ScopedValue deferring(deferring_, true);
        form_.kuaijiecaidan1_Click(ShortcutItem::Next);
    }
    if (chainRunning_)
        return;
    const ScopedValue running(chainRunning_, true);
    while (deferred_) {
        const int next = *deferred_;
        deferred_.reset();
        form_.liebiao_Click(next);
    }
}

void EntryOpener::stopTrying(const QString& path)
{
    form_.state.fail_count = 0;
    form_.state.display_mode = DisplayMode::Idle;
    form_.kaishihuamian();
    form_.WindowsMediaPlayer1.setVisible(false);
    form_.Picture1.setVisible(true);
    if (form_.dialogs)
        form_.dialogs->messageBox("'" + path + "' 不能播放或不存在!");
}
