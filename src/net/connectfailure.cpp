#include "connectfailure.h"

#include "connectionliveness.h"
#include "wsaerrors.h"

#include <QCoreApplication>

QString ConnectFailure::reason(int wsaCode, const QString &port)
{
    switch (wsaCode) {
    case 10061:
        return QCoreApplication::translate("ConnectFailure", "nothing answers on port %1 there").arg(port);
    case 10050:
    case 10051:
    case 10064:
    case 10065:
        return QCoreApplication::translate("ConnectFailure", "that address cannot be reached");
    case 10060:
        return QCoreApplication::translate("ConnectFailure", "no answer within %1 s")
            .arg(ConnectionLiveness::timing().connectTimeoutMs / 1000);
    default:
        return WsaErrors::errorText(wsaCode);
    }
}

bool ConnectFailure::isLookupFailure(const QString &infoText)
{
    return infoText.startsWith(QLatin1String("Host Lookup"));
}

QString ConnectFailure::lookupReason()
{
    return QCoreApplication::translate("ConnectFailure", "the name cannot be looked up");
}

QString ConnectFailure::fromInfo(const QString &infoText, int wsaCode, const QString &port)
{
    return isLookupFailure(infoText) ? lookupReason() : reason(wsaCode, port);
}
