#pragma once

#include <QString>

// Why a connection attempt failed, in the player's words, for every place
// that connects somewhere a player named: the game's host, the meeting
// service.
namespace ConnectFailure {

// For the Windows Sockets code of a failed attempt to `port`.
QString reason(int wsaCode, const QString &port);
// The transport's words for a host name without an address, whether Open
// raised them or the Error info of a background lookup carries them.
bool isLookupFailure(const QString &infoText);
QString lookupReason();
// The reason for an Error info of an attempt: a lookup that failed, or the
// endpoint's code of that error (TSock::LastError).
QString fromInfo(const QString &infoText, int wsaCode, const QString &port);

} // namespace ConnectFailure
