#include "platform/connectivity.h"

#include <QNetworkInformation>

namespace kalvintera {

bool QtConnectivity::isOnline()
{
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend()) {
        return true; // no way to tell: let the attempt itself fail with its own message
    }
    const auto* info = QNetworkInformation::instance();
    return info == nullptr || info->reachability() == QNetworkInformation::Reachability::Online
           || info->reachability() == QNetworkInformation::Reachability::Unknown;
}

} // namespace kalvintera
