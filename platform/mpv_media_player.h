#pragma once

#include "platform/media_player.h"

#include <QStringList>
#include <memory>

class MpvCore;
class MpvVideoSurface;
enum class MpvEndReason : int;
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
class MpvMediaPlayer : public MediaPlayer {
    Q_OBJECT
public:
    explicit MpvMediaPlayer(QWidget* videoParent, const MpvPlayerOptions& options = {},
                            QObject* parent = nullptr);
    ~MpvMediaPlayer() override;

    QWidget* videoWidget() const;
    // The video output in use once Auto has been resolved.
    MpvPlayerOptions::Video videoOutput() const { return video_; }

    QString url() const override { return url_; }
    void setUrl(const QString& path) override;
    void play() override;
    void pause() override;
    std::optional<double> currentPosition() const override;
    bool setCurrentPosition(double seconds) override;
    std::optional<double> duration() const override;
    std::optional<int> imageSourceWidth() const override;
    std::optional<int> imageSourceHeight() const override;
    int playState() const override { return state_; }
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
    void setState(int state);
    int runningState() const;
    void onFileStarted(qint64 entryId);
    void onFileLoaded();
    void onFileEnded(qint64 entryId, MpvEndReason reason);
    void onPauseOrBuffering();
    void onMouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos,
                         bool inside);
    void onMouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF pos);
    void showContextMenu();

    MpvPlayerOptions::Video video_;
    std::unique_ptr<MpvCore> core_;
    std::unique_ptr<MpvVideoSurface> surface_;
    std::unique_ptr<QMenu> menu_;
    QString url_;
    int state_ = Undefined;
    qint64 entryId_ = 0;    // mpv's playlist entry of our medium; 0 when none plays
    qint64 startedId_ = 0;  // the entry of the last start-file event
    bool loaded_ = false;   // the medium is open (file-loaded seen)
    std::optional<double> seekTarget_;
    double knownDuration_ = 0;
    int knownWidth_ = 0;
    int knownHeight_ = 0;
    bool contextMenu_ = true;
};
