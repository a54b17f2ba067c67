#include "platform/cd/cdio_drive.h"

#include <QLoggingCategory>

#include <cdio/cdio.h>
#include <cdio/logging.h>

Q_LOGGING_CATEGORY(lcCdio, "xy.cd.libcdio", QtWarningMsg)

namespace {

// libcdio writes its warnings (a cue's missing bin, an empty drive) to
// stderr unless told otherwise.
void toQtLog(cdio_log_level_t level, const char message[])
{
    if (level >= CDIO_LOG_WARN)
        qCWarning(lcCdio, "%s", message);
    else
        qCDebug(lcCdio, "%s", message);
}

void routeLog()
{
    static const bool routed = [] {
        cdio_log_set_handler(toQtLog);
        return true;
    }();
    (void)routed;
}

} // namespace

std::unique_ptr<CdioDrive> CdioDrive::open(const QString& path)
{
    routeLog();
    CdIo_t* cdio = cdio_open(path.toLocal8Bit().constData(), DRIVER_UNKNOWN);
    if (!cdio)
        return nullptr;
    const driver_id_t id = cdio_get_driver_id(cdio);
    const bool image = id == DRIVER_BINCUE || id == DRIVER_CDRDAO || id == DRIVER_NRG;
    return std::unique_ptr<CdioDrive>(new CdioDrive(cdio, image));
}

CdioDrive::~CdioDrive()
{
    cdio_destroy(cdio_);
}

std::optional<CdToc> CdioDrive::readToc() const
{
    const track_t first = cdio_get_first_track_num(cdio_);
    const track_t count = cdio_get_num_tracks(cdio_);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0)
        return std::nullopt;
    lsn_t lastSession = 0;
    if (cdio_get_last_session(cdio_, &lastSession) != DRIVER_OP_SUCCESS)
        lastSession = 0;
    CdToc toc;
    for (track_t i = first; i < first + count; ++i) {
        CdTrack track;
        track.number = i;
        track.lsn = cdio_get_track_lsn(cdio_, i);
        track.audio = cdio_get_track_format(cdio_, i) == TRACK_FORMAT_AUDIO;
        const bool last = i + 1 == first + count;
        const lsn_t next = cdio_get_track_lsn(cdio_, last ? track_t(CDIO_CDROM_LEADOUT_TRACK) : track_t(i + 1));
        if (track.lsn == CDIO_INVALID_LSN || next == CDIO_INVALID_LSN || next <= track.lsn)
            return std::nullopt;
        track.sectors = next - track.lsn;
        toc.tracks.push_back(track);
    }
    toc.endAudioBeforeDataSession(lastSession);
    return toc;
}

bool CdioDrive::mediaChanged() const
{
    return !image_ && cdio_get_media_changed(cdio_) != 0;
}

bool CdioDrive::readAudio(qint32 lsn, int count, char* buffer) const
{
    return cdio_read_audio_sectors(cdio_, buffer, lsn, unsigned(count)) == DRIVER_OP_SUCCESS;
}

bool CdioDrive::ejectTray(const QString& path)
{
    routeLog();
    return cdio_eject_media_drive(path.toLocal8Bit().constData()) == DRIVER_OP_SUCCESS;
}

bool CdioDrive::closeTray(const QString& path)
{
    routeLog();
    driver_id_t driver = DRIVER_DEVICE;
    return cdio_close_tray(path.toLocal8Bit().constData(), &driver) == DRIVER_OP_SUCCESS;
}
