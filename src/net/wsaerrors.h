#pragma once

#include <QString>

// The error codes in the transport's Error info are Windows Sockets codes,
// whatever system the program runs on: peers and players compare texts such as
// "Error #10061 (WSAECONNREFUSED)", so the platform's own numbers are mapped.
namespace WsaErrors {

// The Windows Sockets code for a POSIX errno value. Values without a
// counterpart map to 20000 + errno, which is above 10000 (so it is still
// reported) and outside the table (so it reads "UNKNOWN ERROR").
int fromErrno(int err);

// The symbolic name of a Windows Sockets code, "UNKNOWN ERROR" if it has none.
QString name(int code);

// "Error #" code " (" name ")".
QString errorText(int code);

} // namespace WsaErrors
