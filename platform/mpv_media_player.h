#pragma once

#include "platform/media_player.h"

#include <QStringList>
#include <memory>

#include "platform/mpv_core.h"

class MpvGlSurface;
class MpvVideoSurface;
class QMenu;
class QWidget;

struct MpvPlayerOptions {
    // Auto: OpenGL where a context can be made, else the software renderer.
    // None shows no picture (vo=null), for headless use.
    enum class Video { Auto, OpenGL, Software, None };
    Video video = Video::Auto;
    // "name=value" mpv options applied after the player's own.
    QStringList extraMpvOptions;
};

// The media player on libmpv. Its picture appears in videoWidget(), a child
// of the widget given to the constructor, placed from the control's twips.
//
// A medium counts as open only once it has started to run (its position
// has moved, or it rests paused on its first frame). mpv opens many damaged
// files (a cut-off video tells its length and picture size) and only then
// finds it cannot decode them; such a medium never reports a length or a
// picture size, only its media error. Readings come from mpv's observed
// properties, cached as their changes arrive, never from blocking calls.
//
// Without a working libmpv the player has no engine: every URL ends in a
// media error, and the program goes on without sound or video.
class MpvMediaPlayer : public MediaPlayer {
    Q_OBJECT
public:
    explicit MpvMediaPlayer(QWidget* videoParent, const MpvPlayerOptions& options = {},
                            QObject* parent = nullptr);
    ~MpvMediaPlayer() override;

    QWidget* videoWidget() const;
    // The video output in use once Auto has been resolved.
    MpvPlayerOptions::Video videoOutput() const { return video_; }
    // Whether mpv's render context is made: an OpenGL one only for the
    // first file with a picture.
    bool hasRenderContext() const;

    QString url() const override { return url_; }
    void setUrl(const QString& path) override;
    void play() override;
    void pause() override;
    std::optional<double> currentPosition() const override;
    bool setCurrentPosition(double seconds) override;
    std::optional<double> duration() const override;
    std::optional<int> imageSourceWidth() const override;
    std::optional<int> imageSourceHeight() const override;
    PlayState playState() const override { return state_; }
    bool setRate(double rate) override;
    bool setBalance(int balance) override;
    bool fullScreen() const override;
    bool setFullScreen(bool on) override;
    void setEnableContextMenu(bool on) override { contextMenu_ = on; }

protected:
    void placeChanged() override;

private:
    void createSurface(QWidget* videoParent, MpvPlayerOptions::Video video);
    void connectCore();
    void connectSurface();
    void load();
    void setState(PlayState state);
    PlayState runningState() const;
    bool isCurrent() const { return entryId_ != 0 && startedId_ == entryId_; }
    void onFileLoaded();
    void onPreloaded(quint64 hookId);
    void onPlaybackRestarted();
    void onPropertyChanged(MpvCore::Observed which, const QVariant& value);
    void openWhenRunning();
    void takePictureSize();
    void onFileEnded(qint64 entryId, MpvEndReason reason);
    void endMedium();
    void failMedium();
    void onMouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos,
                         bool inside);
    void onMouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF pos);
    void showContextMenu();

    MpvPlayerOptions::Video video_;
    std::unique_ptr<MpvCore> core_;
    std::unique_ptr<MpvVideoSurface> surface_;
    MpvGlSurface* gl_ = nullptr; // surface_ when it draws with OpenGL
    std::unique_ptr<QMenu> menu_;
    // What the observed properties last said, for whatever mpv plays.
    struct Observed {
        bool pause = false;
        bool buffering = false;
        double duration = 0;
        double timePos = 0;
        int width = 0;
        int height = 0;
        bool albumArt = false;
    };
    // Our medium, as far as it has shown itself.
    struct Medium {
        bool loaded = false;    // file-loaded seen
        bool restarted = false; // playback-restart seen
        bool ran = false;       // its position moved past 0 once loaded
        bool open = false;      // running or resting on its first frame
        bool ended = false;     // played to its end; kept for play
        double startAt = 0;     // where play starts an ended medium
    };

    QString url_;
    PlayState state_ = Undefined;
    qint64 entryId_ = 0;    // mpv's playlist entry of our medium; 0 when none plays
    qint64 startedId_ = 0;  // the entry of the last start-file event
    Observed observed_;
    Medium medium_;
    std::optional<double> seekTarget_;
    double knownDuration_ = 0;
    int knownWidth_ = 0;
    int knownHeight_ = 0;
    double rate_ = 1.0; // mpv's speed as last set
    bool contextMenu_ = true;
};
