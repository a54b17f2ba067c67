#include "platform/mpv_core.h"

#include <QDebug>
#include <QVariant>
#include <mpv/client.h>

namespace {

struct ObservedProperty {
    MpvCore::Observed which;
    const char* name;
    mpv_format format;
};

constexpr ObservedProperty kObserved[] = {
    {MpvCore::Observed::Pause, "pause", MPV_FORMAT_FLAG},
    {MpvCore::Observed::Buffering, "paused-for-cache", MPV_FORMAT_FLAG},
    {MpvCore::Observed::Duration, "duration", MPV_FORMAT_DOUBLE},
    {MpvCore::Observed::TimePos, "time-pos", MPV_FORMAT_DOUBLE},
    {MpvCore::Observed::Width, "width", MPV_FORMAT_INT64},
    {MpvCore::Observed::Height, "height", MPV_FORMAT_INT64},
    {MpvCore::Observed::AlbumArt, "current-tracks/video/albumart", MPV_FORMAT_FLAG},
};

QVariant propertyValue(const mpv_event_property& change)
{
    switch (change.format) {
    case MPV_FORMAT_FLAG: return *static_cast<int*>(change.data) != 0;
    case MPV_FORMAT_DOUBLE: return *static_cast<double*>(change.data);
    case MPV_FORMAT_INT64: return qint64(*static_cast<int64_t*>(change.data));
    default: return {};
    }
}

MpvEndReason endReason(int reason)
{
    switch (reason) {
    case MPV_END_FILE_REASON_EOF: return MpvEndReason::Eof;
    case MPV_END_FILE_REASON_QUIT: return MpvEndReason::Quit;
    case MPV_END_FILE_REASON_ERROR: return MpvEndReason::Error;
    case MPV_END_FILE_REASON_REDIRECT: return MpvEndReason::Redirect;
    default: return MpvEndReason::Stop;
    }
}

} // namespace

MpvCore::MpvCore(const QStringList& options, QObject* parent)
    : QObject(parent), mpv_(mpv_create())
{
    if (!mpv_) {
        qWarning("mpv: no instance could be created; media cannot play");
        return;
    }
    if (!start(options)) {
        qWarning("mpv: the instance did not start; media cannot play");
        mpv_terminate_destroy(mpv_);
        mpv_ = nullptr;
        return;
    }
    observe();
    mpv_set_wakeup_callback(mpv_, &MpvCore::wakeup, this);
}

bool MpvCore::start(const QStringList& options)
{
    for (const QString& option : options) {
        const qsizetype eq = option.indexOf(u'=');
        const QByteArray name = option.left(eq).toUtf8();
        const QByteArray value = eq < 0 ? QByteArray("yes") : option.mid(eq + 1).toUtf8();
        if (mpv_set_option_string(mpv_, name.constData(), value.constData()) < 0)
            qWarning("mpv rejected option %s=%s", name.constData(), value.constData());
    }
    return mpv_initialize(mpv_) >= 0;
}

void MpvCore::observe()
{
    for (const ObservedProperty& property : kObserved)
        mpv_observe_property(mpv_, uint64_t(property.which), property.name, property.format);
}

MpvCore::~MpvCore()
{
    if (!mpv_)
        return;
    mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
    mpv_terminate_destroy(mpv_);
}

// Runs on an mpv thread: nothing but queueing is allowed here.
void MpvCore::wakeup(void* self)
{
    auto* core = static_cast<MpvCore*>(self);
    if (!core->drainQueued_.exchange(true))
        QMetaObject::invokeMethod(core, &MpvCore::drainEvents, Qt::QueuedConnection);
}

void MpvCore::drainEvents()
{
    drainQueued_ = false;
    for (;;) {
        const mpv_event* event = mpv_wait_event(mpv_, 0);
        if (event->event_id == MPV_EVENT_NONE)
            return;
        handleEvent(*event);
    }
}

void MpvCore::handleEvent(const mpv_event& event)
{
    switch (event.event_id) {
    case MPV_EVENT_START_FILE:
        emit fileStarted(static_cast<mpv_event_start_file*>(event.data)->playlist_entry_id);
        break;
    case MPV_EVENT_FILE_LOADED:
        emit fileLoaded();
        break;
    case MPV_EVENT_END_FILE: {
        const auto* end = static_cast<mpv_event_end_file*>(event.data);
        emit fileEnded(end->playlist_entry_id, endReason(end->reason));
        break;
    }
    case MPV_EVENT_PLAYBACK_RESTART:
        emit playbackRestarted();
        break;
    case MPV_EVENT_HOOK:
        emit preloaded(static_cast<mpv_event_hook*>(event.data)->id);
        break;
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto* change = static_cast<mpv_event_property*>(event.data);
        emit propertyChanged(Observed(event.reply_userdata), propertyValue(*change));
        break;
    }
    default:
        break;
    }
}

void MpvCore::holdBeforeDecoding()
{
    if (mpv_)
        mpv_hook_add(mpv_, 0, "on_preloaded", 0);
}

void MpvCore::continueHook(quint64 hookId)
{
    if (mpv_)
        mpv_hook_continue(mpv_, hookId);
}

bool MpvCore::hasVideoTrack() const
{
    const qint64 count = getInt("track-list/count").value_or(0);
    for (qint64 i = 0; i < count; ++i) {
        const QByteArray name = "track-list/" + QByteArray::number(i) + "/type";
        if (getString(name.constData()) == QStringLiteral("video"))
            return true;
    }
    return false;
}

qint64 MpvCore::loadFile(const QString& path)
{
    if (!mpv_)
        return 0;
    const QByteArray file = path.toUtf8();
    const char* args[] = {"loadfile", file.constData(), "replace", nullptr};
    mpv_node result;
    if (mpv_command_ret(mpv_, args, &result) < 0)
        return 0;
    qint64 id = 0;
    if (result.format == MPV_FORMAT_NODE_MAP) {
        const mpv_node_list* map = result.u.list;
        for (int i = 0; i < map->num; ++i) {
            if (qstrcmp(map->keys[i], "playlist_entry_id") == 0
                && map->values[i].format == MPV_FORMAT_INT64)
                id = map->values[i].u.int64;
        }
    }
    mpv_free_node_contents(&result);
    return id;
}

bool MpvCore::command(const QStringList& args)
{
    if (!mpv_)
        return false;
    QList<QByteArray> bytes;
    for (const QString& arg : args)
        bytes.append(arg.toUtf8());
    QList<const char*> pointers;
    for (const QByteArray& arg : bytes)
        pointers.append(arg.constData());
    pointers.append(nullptr);
    return mpv_command(mpv_, pointers.data()) >= 0;
}

bool MpvCore::setString(const char* name, const QString& value)
{
    if (!mpv_)
        return false;
    return mpv_set_property_string(mpv_, name, value.toUtf8().constData()) >= 0;
}

bool MpvCore::setFlag(const char* name, bool value)
{
    if (!mpv_)
        return false;
    int flag = value ? 1 : 0;
    return mpv_set_property(mpv_, name, MPV_FORMAT_FLAG, &flag) >= 0;
}

bool MpvCore::setDouble(const char* name, double value)
{
    if (!mpv_)
        return false;
    return mpv_set_property(mpv_, name, MPV_FORMAT_DOUBLE, &value) >= 0;
}

std::optional<QString> MpvCore::getString(const char* name) const
{
    if (!mpv_)
        return std::nullopt;
    char* text = mpv_get_property_string(mpv_, name);
    if (!text)
        return std::nullopt;
    QString value = QString::fromUtf8(text);
    mpv_free(text);
    return value;
}

std::optional<bool> MpvCore::getFlag(const char* name) const
{
    if (!mpv_)
        return std::nullopt;
    int flag = 0;
    if (mpv_get_property(mpv_, name, MPV_FORMAT_FLAG, &flag) < 0)
        return std::nullopt;
    return flag != 0;
}

std::optional<double> MpvCore::getDouble(const char* name) const
{
    if (!mpv_)
        return std::nullopt;
    double value = 0;
    if (mpv_get_property(mpv_, name, MPV_FORMAT_DOUBLE, &value) < 0)
        return std::nullopt;
    return value;
}

std::optional<qint64> MpvCore::getInt(const char* name) const
{
    if (!mpv_)
        return std::nullopt;
    int64_t value = 0;
    if (mpv_get_property(mpv_, name, MPV_FORMAT_INT64, &value) < 0)
        return std::nullopt;
    return qint64(value);
}
