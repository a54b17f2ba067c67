#include "platform/online_state.h"

#include <QNetworkInformation>

namespace {

QNetworkInformation* networkInformation()
{
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend())
        QNetworkInformation::loadBackendByName(u"glib");
    return QNetworkInformation::instance();
}

bool reachesTheInternet(QNetworkInformation::Reachability reachability)
{
    return reachability == QNetworkInformation::Reachability::Online;
}

} // namespace

OnlineState::OnlineState(QObject* parent) : QObject(parent)
{
    if (QNetworkInformation* info = networkInformation()) {
        connect(info, &QNetworkInformation::reachabilityChanged, this,
                [this](QNetworkInformation::Reachability r) { emit changed(reachesTheInternet(r)); });
    }
}

bool OnlineState::isOnline() const
{
    const QNetworkInformation* info = QNetworkInformation::instance();
    return info && reachesTheInternet(info->reachability());
}
