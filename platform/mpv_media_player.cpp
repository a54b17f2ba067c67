#include "platform/mpv_media_player.h"

#include "platform/mpv_core.h"
#include "platform/mpv_gl_surface.h"
#include "platform/mpv_sw_surface.h"

#include <QGuiApplication>
#include <QMenu>

namespace {

using Video = MpvPlayerOptions::Video;

QStringList mpvOptions(Video video, const QStringList& extra)
{
    QStringList options{
        video == Video::None ? "vo=null" : "vo=libmpv",
        "idle=yes",
        "keep-open=no",
        "audio-fallback-to-null=yes",
        // Frames are drawn on the GUI thread: never block it waiting for a
        // frame's display time; mpv asks for each frame when it is due.
        "video-timing-offset=0",
        // No hardware decoding, so no probing for its drivers either.
        "gpu-hwdec-interop=no",
        "input-default-bindings=no",
        "input-vo-keyboard=no",
        "osc=no",
        "ytdl=no",
        "load-scripts=no",
        "audio-client-name=xuanyinfang",
    };
    return options + extra;
}

bool platformHasNoOpenGL()
{
    const QString platform = QGuiApplication::platformName();
    return platform == "offscreen" || platform == "minimal";
}

} // namespace

MpvMediaPlayer::MpvMediaPlayer(QWidget* videoParent, const MpvPlayerOptions& options,
                               QObject* parent)
    : MediaPlayer(parent), video_(options.video),
      core_(std::make_unique<MpvCore>(mpvOptions(options.video, options.extraMpvOptions)))
{
    createSurface(videoParent, options.video);
    connectCore();
    connectSurface();
    placeChanged();
}

MpvMediaPlayer::~MpvMediaPlayer()
{
    menu_.reset();
    surface_.reset(); // the render context must go before the mpv core
    core_.reset();
}

// The render context has to exist before any file is loaded.
void MpvMediaPlayer::createSurface(QWidget* videoParent, Video video)
{
    if (video == Video::None) {
        surface_ = std::make_unique<MpvVideoSurface>(videoParent);
        return;
    }
    if (video == Video::OpenGL || (video == Video::Auto && !platformHasNoOpenGL())) {
        surface_ = MpvGlSurface::create(core_->handle(), videoParent);
        if (surface_) {
            video_ = Video::OpenGL;
            return;
        }
    }
    auto software = std::make_unique<MpvSwSurface>(core_->handle(), videoParent);
    if (software->isReady()) {
        video_ = Video::Software;
    } else {
        qWarning("mpv: no video output could be created; playing without picture");
        core_->setString("vo", "null");
        video_ = Video::None;
    }
    surface_ = std::move(software);
}

void MpvMediaPlayer::connectCore()
{
    connect(core_.get(), &MpvCore::fileStarted, this, [this](qint64 id) { startedId_ = id; });
    connect(core_.get(), &MpvCore::fileLoaded, this, &MpvMediaPlayer::onFileLoaded);
    connect(core_.get(), &MpvCore::fileEnded, this, &MpvMediaPlayer::onFileEnded);
    connect(core_.get(), &MpvCore::playbackRestarted, this, [this] { seekTarget_.reset(); });
    connect(core_.get(), &MpvCore::pauseChanged, this, &MpvMediaPlayer::onPauseOrBuffering);
    connect(core_.get(), &MpvCore::bufferingChanged, this, &MpvMediaPlayer::onPauseOrBuffering);
}

void MpvMediaPlayer::setUrl(const QString& path)
{
    url_ = path;
    if (!path.isEmpty()) {
        load();
        return;
    }
    entryId_ = 0;
    loaded_ = false;
    seekTarget_.reset();
    core_->command({"stop"});
    // An emptied player has no state to report, like the classic control.
    setState(Undefined);
}

void MpvMediaPlayer::load()
{
    loaded_ = false;
    seekTarget_.reset();
    knownDuration_ = 0;
    knownWidth_ = knownHeight_ = 0;
    core_->setFlag("pause", false);
    entryId_ = core_->loadFile(url_);
    setState(Transitioning);
    if (entryId_ == 0) {
        emit MediaError();
        setState(Ready);
    }
}

void MpvMediaPlayer::play()
{
    if (url_.isEmpty())
        return;
    if (entryId_ == 0)
        load();
    else
        core_->setFlag("pause", false);
}

void MpvMediaPlayer::pause()
{
    if (entryId_ != 0)
        core_->setFlag("pause", true);
}

void MpvMediaPlayer::setState(int state)
{
    if (state == state_)
        return;
    state_ = state;
    emit StatusChange();
}

int MpvMediaPlayer::runningState() const
{
    if (core_->getFlag("paused-for-cache").value_or(false))
        return Buffering;
    return core_->getFlag("pause").value_or(false) ? Paused : Playing;
}

void MpvMediaPlayer::onFileLoaded()
{
    // A file-loaded event may belong to a medium replaced meanwhile.
    if (entryId_ == 0 || startedId_ != entryId_)
        return;
    loaded_ = true;
    knownDuration_ = core_->getDouble("duration").value_or(0);
    if (!core_->getFlag("current-tracks/video/albumart").value_or(false)) {
        knownWidth_ = int(core_->getInt("width").value_or(0));
        knownHeight_ = int(core_->getInt("height").value_or(0));
    }
    setState(runningState());
}

void MpvMediaPlayer::onFileEnded(qint64 entryId, MpvEndReason reason)
{
    if (entryId_ == 0 || entryId != entryId_)
        return;
    entryId_ = 0;
    loaded_ = false;
    seekTarget_.reset();
    switch (reason) {
    case MpvEndReason::Eof:
        setState(MediaEnded);
        break;
    case MpvEndReason::Error:
        emit MediaError();
        setState(Ready);
        break;
    default:
        setState(Stopped);
        break;
    }
}

void MpvMediaPlayer::onPauseOrBuffering()
{
    if (loaded_)
        setState(runningState());
}
