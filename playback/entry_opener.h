#pragma once

#include <QString>
#include <optional>
#include <utility>

class Form1;

// Plays entry Index of the playlist (liebiao_Click): tries it as a still
// picture, as a medium of the main player and as an audio-CD track, sets
// the display mode, and gives up an entry that is none of them by the loop
// mode's rules. While it opens, the program's timers are held and the
// display refresh rests; window events still run, so the handler may be
// entered again meanwhile.
class EntryOpener {
public:
    explicit EntryOpener(Form1& form) : form_(form) {}

    void liebiao_Click(int Index);

private:
    enum class Kind { Shown, Refused, Neither };

    // One call's opening: it sets opening_entry and holds the timers, and
    // end() releases both; leaving the call any other way ends it too. The
    // first call to end, a nested one included, releases them for all.
    class Opening {
    public:
        explicit Opening(EntryOpener& opener);
        ~Opening() { end(); }
        Opening(const Opening&) = delete;
        Opening& operator=(const Opening&) = delete;
        void end();

    private:
        EntryOpener& opener_;
        bool ended_ = false;
    };

    bool open(const QString& path, const QString& caption, double ratio, quint64 call);
    Kind tryPicture(const QString& path, double ratio);
    Kind tryMedium(const QString& path, quint64 call);
    bool tryCdTrack(const QString& path, const QString& caption);
    void giveUp(int Index, const QString& path);
    void playNextAfterGivingUp();
    void stopTrying(const QString& path);
    void finish(bool fullScreen, std::optional<int> loopBeforeDrop, Opening& opening);

    void holdTimers();
    void releaseTimers();
    std::optional<int> enterDropMode();
    double zoomRatio() const;
    bool superseded(quint64 call) const { return call != calls_; }
    bool refusedInLoopAll() const;

    Form1& form_;
    QString timers_held_;   // "未到" while the timers are held
    quint64 calls_ = 0;     // numbers the calls, to see a newer one started
    // The entries skipped to after giving up are opened one after another
    // by the first give-up, not each inside the last, so a long list of
    // unplayable entries cannot exhaust the stack.
    bool deferring_ = false;
    bool chainRunning_ = false;
    std::optional<int> deferred_;
};
