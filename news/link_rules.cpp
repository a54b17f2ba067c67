#include "news/link_rules.h"

bool opensInBrowser(const QUrl& address)
{
    constexpr int kShortestAddressKept = 16;
    const QString scheme = address.scheme().toLower();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && address.toString().size() >= kShortestAddressKept;
}
