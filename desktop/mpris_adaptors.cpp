#include "desktop/mpris_adaptors.h"

#include "core/form1.h"
#include "desktop/mpris_commands.h"
#include "desktop/mpris_service.h"
#include "playlist/media_types.h"

#include <QMimeDatabase>
#include <QUrl>

MprisRootAdaptor::MprisRootAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service), service_(service)
{
}

QString MprisRootAdaptor::identity() const
{
    return QStringLiteral("璇音坊");
}

QString MprisRootAdaptor::desktopEntry() const
{
    return QStringLiteral("io.github.xuanyinfang");
}

QStringList MprisRootAdaptor::supportedMimeTypes() const
{
    QStringList types;
    const QMimeDatabase mimes;
    for (const QString& suffix : MediaTypes::suffixes()) {
        for (const QMimeType& type : mimes.mimeTypesForFileName(QStringLiteral("a.") + suffix)) {
            if (!types.contains(type.name()))
                types << type.name();
        }
    }
    return types;
}

void MprisRootAdaptor::Raise()
{
    service_->raise();
}

void MprisRootAdaptor::Quit()
{
    if (MprisCommands::accepted(service_->form()))
        service_->form().formUnload();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service), service_(service)
{
    // Properties are announced by the service, in one signal per reading.
    setAutoRelaySignals(false);
}

QString MprisPlayerAdaptor::playbackStatus() const
{
    return service_->state().playbackStatus;
}

QString MprisPlayerAdaptor::loopStatus() const
{
    return service_->state().loopStatus;
}

void MprisPlayerAdaptor::setLoopStatus(const QString& status)
{
    if (MprisCommands::setLoopStatus(service_->form(), status))
        service_->refresh();
}

double MprisPlayerAdaptor::rate() const
{
    return service_->state().rate;
}

QVariantMap MprisPlayerAdaptor::metadata() const
{
    const MprisState& s = service_->state();
    QVariantMap map;
    map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(s.trackId)));
    if (s.entry < 0)
        return map;
    if (s.lengthUs > 0)
        map.insert(QStringLiteral("mpris:length"), qlonglong(s.lengthUs));
    map.insert(QStringLiteral("xesam:title"), s.title);
    map.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(s.path).toString());
    if (s.cdTrack > 0)
        map.insert(QStringLiteral("xesam:trackNumber"), s.cdTrack);
    return map;
}

double MprisPlayerAdaptor::volume() const
{
    return service_->state().volume;
}

void MprisPlayerAdaptor::setVolume(double volume)
{
    if (MprisCommands::setVolume(service_->form(), volume))
        service_->refresh();
}

// Position is read live: the desktop polls it, it is never announced.
qlonglong MprisPlayerAdaptor::position() const
{
    return MprisState::read(service_->form()).positionUs;
}

bool MprisPlayerAdaptor::canGoNext() const { return service_->state().canGoNext; }
bool MprisPlayerAdaptor::canGoPrevious() const { return service_->state().canGoPrevious; }
bool MprisPlayerAdaptor::canPlay() const { return service_->state().canPlay; }
bool MprisPlayerAdaptor::canPause() const { return service_->state().canPause; }
bool MprisPlayerAdaptor::canSeek() const { return service_->state().canSeek; }

void MprisPlayerAdaptor::Next() { MprisCommands::next(service_->form()); }
void MprisPlayerAdaptor::Previous() { MprisCommands::previous(service_->form()); }
void MprisPlayerAdaptor::Pause() { MprisCommands::pause(service_->form()); }
void MprisPlayerAdaptor::PlayPause() { MprisCommands::playPause(service_->form()); }
void MprisPlayerAdaptor::Stop() { MprisCommands::stop(service_->form()); }
void MprisPlayerAdaptor::Play() { MprisCommands::play(service_->form()); }

void MprisPlayerAdaptor::Seek(qlonglong Offset)
{
    if (MprisCommands::seekByUs(service_->form(), Offset))
        service_->announceSeek();
}

// A position for another track than the current one is stale: ignored.
void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& TrackId, qlonglong Position)
{
    const MprisState now = MprisState::read(service_->form());
    if (TrackId.path() != now.trackId || Position < 0 || Position > now.lengthUs)
        return;
    if (MprisCommands::seekToUs(service_->form(), Position))
        service_->announceSeek();
}

void MprisPlayerAdaptor::OpenUri(const QString& Uri)
{
    MprisCommands::openUri(service_->form(), Uri);
}
