#include "wsaerrors.h"

#include <cerrno>

namespace WsaErrors {

int fromErrno(int err)
{
    switch (err) {
    case EINTR: return 10004;
    case EBADF: return 10009;
    case EACCES: return 10013;
    case EFAULT: return 10014;
    case EINVAL: return 10022;
    case EMFILE: return 10024;
    case EAGAIN: return 10035;
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK: return 10035;
#endif
    case EINPROGRESS: return 10036;
    case EALREADY: return 10037;
    case ENOTSOCK: return 10038;
    case EDESTADDRREQ: return 10039;
    case EMSGSIZE: return 10040;
    case EPROTOTYPE: return 10041;
    case ENOPROTOOPT: return 10042;
    case EPROTONOSUPPORT: return 10043;
    case ESOCKTNOSUPPORT: return 10044;
    case EOPNOTSUPP: return 10045;
    case EPFNOSUPPORT: return 10046;
    case EAFNOSUPPORT: return 10047;
    case EADDRINUSE: return 10048;
    case EADDRNOTAVAIL: return 10049;
    case ENETDOWN: return 10050;
    case ENETUNREACH: return 10051;
    case ENETRESET: return 10052;
    case ECONNABORTED: return 10053;
    case ECONNRESET: return 10054;
    case ENOBUFS: return 10055;
    case EISCONN: return 10056;
    case ENOTCONN: return 10057;
    // A write on a connection that is already shut down.
    case EPIPE: return 10058;
    case ESHUTDOWN: return 10058;
    case ETOOMANYREFS: return 10059;
    case ETIMEDOUT: return 10060;
    case ECONNREFUSED: return 10061;
    case ELOOP: return 10062;
    case ENAMETOOLONG: return 10063;
    case EHOSTDOWN: return 10064;
    case EHOSTUNREACH: return 10065;
    case ENOTEMPTY: return 10066;
    case EUSERS: return 10068;
    case EDQUOT: return 10069;
    case ESTALE: return 10070;
    case EREMOTE: return 10071;
    default: return 20000 + err;
    }
}

QString name(int code)
{
    const char *text = "UNKNOWN ERROR";
    switch (code) {
    case 10004: text = "WSAEINTR"; break;
    case 10009: text = "WSAEBADF"; break;
    case 10013: text = "WSAEACCES"; break;
    case 10014: text = "WSAEFAULT"; break;
    case 10022: text = "WSAEINVAL"; break;
    case 10024: text = "WSAEMFILE"; break;
    case 10035: text = "WSAEWOULDBLOCK"; break;
    case 10036: text = "WSAEINPROGRESS"; break;
    case 10037: text = "WSAEALREADY"; break;
    case 10038: text = "WSAENOTSOCK"; break;
    case 10039: text = "WSAEDESTADDRREQ"; break;
    case 10040: text = "WSAEMSGSIZE"; break;
    case 10041: text = "WSAEPROTOTYPE"; break;
    case 10042: text = "WSAENOPROTOOPT"; break;
    case 10043: text = "WSAEPROTONOSUPPORT"; break;
    case 10044: text = "WSAESOCKTNOSUPPORT"; break;
    case 10045: text = "WSAEOPNOTSUPP"; break;
    case 10046: text = "WSAEPFNOSUPPORT"; break;
    case 10047: text = "WSAEAFNOSUPPORT"; break;
    case 10048: text = "WSAEADDRINUSE"; break;
    case 10049: text = "WSAEADDRNOTAVAIL"; break;
    case 10050: text = "WSAENETDOWN"; break;
    case 10051: text = "WSAENETUNREACH"; break;
    case 10052: text = "WSAENETRESET"; break;
    case 10053: text = "WSAECONNABORTED"; break;
    case 10054: text = "WSAECONNRESET"; break;
    case 10055: text = "WSAENOBUFS"; break;
    case 10056: text = "WSAEISCONN"; break;
    case 10057: text = "WSAENOTCONN"; break;
    case 10058: text = "WSAESHUTDOWN"; break;
    case 10059: text = "WSAETOOMANYREFS"; break;
    case 10060: text = "WSAETIMEDOUT"; break;
    case 10061: text = "WSAECONNREFUSED"; break;
    case 10062: text = "WSAELOOP"; break;
    case 10063: text = "WSAENAMETOOLONG"; break;
    case 10064: text = "WSAEHOSTDOWN"; break;
    case 10065: text = "WSAEHOSTUNREACH"; break;
    case 10066: text = "WSAENOTEMPTY"; break;
    case 10067: text = "WSAEPROCLIM"; break;
    case 10068: text = "WSAEUSERS"; break;
    case 10069: text = "WSAEDQUOT"; break;
    case 10070: text = "WSAESTALE"; break;
    case 10071: text = "WSAEREMOTE"; break;
    case 10091: text = "WSASYSNOTREADY"; break;
    case 10092: text = "WSAVERNOTSUPPORTED"; break;
    case 10093: text = "WSANOTINITIALISED"; break;
    case 10101: text = "WSAEDISCON"; break;
    case 11001: text = "WSAHOST_NOT_FOUND"; break;
    case 11002: text = "WSATRY_AGAIN"; break;
    case 11003: text = "WSANO_RECOVERY"; break;
    case 11004: text = "WSANO_DATA"; break;
    default: break;
    }
    return QString::fromLatin1(text);
}

QString errorText(int code)
{
    return QStringLiteral("Error #") + QString::number(code) + QStringLiteral(" (") + name(code)
           + QStringLiteral(")");
}

} // namespace WsaErrors
