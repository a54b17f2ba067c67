#include "platform/mpv_media_player.h"

#include "platform/mpv_core.h"
#include "platform/mpv_gl_surface.h"
#include "platform/mpv_sw_surface.h"

#include <QGuiApplication>
#include <QMenu>
#include <QVariant>

namespace {

using Video = MpvPlayerOptions::Video;

QStringList mpvOptions(Video video, const QStringList& extra)
{
    QStringList options{
        video == Video::None ? "vo=null" : "vo=libmpv",
        "idle=yes",
        "keep-open=no",
        "audio-fallback-to-null=yes",
        // The sound server first (PipeWire answers it too), then ALSA: probing
        // PipeWire's own client where none is set up only prints errors.
        "ao=pulse,alsa",
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

// The render context has to exist before a picture is decoded: the
// software one is made at once, the OpenGL one before the first file with
// a picture starts its decoders.
void MpvMediaPlayer::createSurface(QWidget* videoParent, Video video)
{
    if (video == Video::None || !core_->hasEngine()) {
        surface_ = std::make_unique<MpvVideoSurface>(videoParent);
        video_ = Video::None;
        return;
    }
    if (video == Video::OpenGL || (video == Video::Auto && !platformHasNoOpenGL())) {
        auto gl = std::make_unique<MpvGlSurface>(core_->handle(), videoParent);
        gl_ = gl.get();
        surface_ = std::move(gl);
        video_ = Video::OpenGL;
        connect(core_.get(), &MpvCore::preloaded, this, &MpvMediaPlayer::onPreloaded);
        core_->holdBeforeDecoding();
        return;
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

bool MpvMediaPlayer::hasRenderContext() const
{
    return gl_ ? gl_->isRendering() : video_ == Video::Software;
}

void MpvMediaPlayer::onPreloaded(quint64 hookId)
{
    if (gl_ && !gl_->isRendering() && core_->hasVideoTrack() && !gl_->startRendering()) {
        qWarning("mpv: OpenGL is not usable here; playing without picture");
        core_->setString("vo", "null");
        gl_ = nullptr;
        video_ = Video::None;
    }
    core_->continueHook(hookId);
}

void MpvMediaPlayer::connectCore()
{
    connect(core_.get(), &MpvCore::fileStarted, this, [this](qint64 id) { startedId_ = id; });
    connect(core_.get(), &MpvCore::fileLoaded, this, &MpvMediaPlayer::onFileLoaded);
    connect(core_.get(), &MpvCore::fileEnded, this, &MpvMediaPlayer::onFileEnded);
    connect(core_.get(), &MpvCore::playbackRestarted, this, &MpvMediaPlayer::onPlaybackRestarted);
    connect(core_.get(), &MpvCore::propertyChanged, this, &MpvMediaPlayer::onPropertyChanged);
}

void MpvMediaPlayer::setUrl(const QString& path)
{
    url_ = path;
    medium_ = {};
    if (!path.isEmpty()) {
        load();
        return;
    }
    entryId_ = 0;
    seekTarget_.reset();
    core_->command({"stop"});
    // An emptied player has no state to report, like the classic control.
    setState(Undefined);
}

void MpvMediaPlayer::load()
{
    const double startAt = medium_.ended ? medium_.startAt : 0;
    medium_ = {};
    seekTarget_.reset();
    knownDuration_ = 0;
    knownWidth_ = knownHeight_ = 0;
    core_->setFlag("pause", false);
    core_->setString("start", startAt > 0 ? QString::number(startAt, 'f', 3) : QString("none"));
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

void MpvMediaPlayer::setState(PlayState state)
{
    if (state == state_)
        return;
    state_ = state;
    emit StatusChange();
}

MediaPlayer::PlayState MpvMediaPlayer::runningState() const
{
    if (observed_.buffering)
        return Buffering;
    return observed_.pause ? Paused : Playing;
}

void MpvMediaPlayer::onFileLoaded()
{
    // A file-loaded event may belong to a medium replaced meanwhile.
    if (isCurrent())
        medium_.loaded = true;
}

void MpvMediaPlayer::onPlaybackRestarted()
{
    seekTarget_.reset();
    if (!isCurrent())
        return;
    medium_.restarted = true;
    openWhenRunning();
}

void MpvMediaPlayer::onPropertyChanged(MpvCore::Observed which, const QVariant& value)
{
    using P = MpvCore::Observed;
    switch (which) {
    case P::Pause: observed_.pause = value.toBool(); break;
    case P::Buffering: observed_.buffering = value.toBool(); break;
    case P::Duration: observed_.duration = value.toDouble(); break;
    case P::TimePos: observed_.timePos = value.toDouble(); break;
    case P::Width: observed_.width = value.toInt(); break;
    case P::Height: observed_.height = value.toInt(); break;
    case P::AlbumArt: observed_.albumArt = value.toBool(); break;
    }
    if (!isCurrent())
        return;
    // Only a position told after file-loaded is this medium's own.
    if (which == P::TimePos && medium_.loaded && observed_.timePos > 0)
        medium_.ran = true;
    if (medium_.open) {
        if (observed_.duration > 0)
            knownDuration_ = observed_.duration;
        // The picture's size may be told only after the medium has started;
        // the zero told as the medium closes is not a new size.
        if ((which == P::Width || which == P::Height) && observed_.width > 0 && observed_.height > 0)
            takePictureSize();
        if (which == P::Pause || which == P::Buffering)
            setState(runningState());
        return;
    }
    openWhenRunning();
}

// The medium opens once it runs, or rests paused on its first frame; only
// then are its length and picture size told.
void MpvMediaPlayer::openWhenRunning()
{
    const bool running = medium_.ran || (observed_.pause && medium_.restarted);
    if (!medium_.loaded || !running)
        return;
    medium_.open = true;
    knownDuration_ = observed_.duration;
    takePictureSize();
    setState(runningState());
}

// A cover picture of an audio file is no picture of the medium.
void MpvMediaPlayer::takePictureSize()
{
    if (observed_.albumArt)
        return;
    knownWidth_ = observed_.width;
    knownHeight_ = observed_.height;
}

void MpvMediaPlayer::onFileEnded(qint64 entryId, MpvEndReason reason)
{
    if (entryId_ == 0 || entryId != entryId_)
        return;
    entryId_ = 0;
    seekTarget_.reset();
    if (reason == MpvEndReason::Error) {
        emit MediaError();
        // One that had been playing has come to its end, if a bad one.
        if (medium_.open)
            endMedium();
        else
            failMedium();
    } else if (reason == MpvEndReason::Eof) {
        endMedium();
    } else {
        medium_.open = false;
        setState(Stopped);
    }
}

// As the classic control: "media ended", then stopped with the medium
// kept, so that play starts it again from the beginning.
void MpvMediaPlayer::endMedium()
{
    medium_.open = false;
    medium_.ended = true;
    medium_.startAt = 0;
    setState(MediaEnded);
    setState(Stopped);
}

void MpvMediaPlayer::failMedium()
{
    medium_ = {};
    knownDuration_ = 0;
    knownWidth_ = knownHeight_ = 0;
    setState(Ready);
}
