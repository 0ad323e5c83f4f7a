#include "lobbyline.h"

#include "digits.h"

#include <QList>

namespace {

bool plainByte(char c)
{
    return c >= 0x21 && c <= 0x7E && c != '%';
}

QByteArray percentEncoded(const QByteArray &value)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(value.size());
    for (const char c : value) {
        if (plainByte(c)) {
            out += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        out += '%';
        out += hex[byte >> 4];
        out += hex[byte & 0xF];
    }
    return out;
}

std::optional<QByteArray> percentDecoded(const QByteArray &value)
{
    QByteArray out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '%') {
            if (!plainByte(c))
                return std::nullopt;
            out += c;
            continue;
        }
        const auto digits = parseDigits(std::string_view(value.constData() + i + 1,
                                                         static_cast<std::size_t>(std::min<qsizetype>(2, value.size() - i - 1))),
                                        16, 0xFF);
        if (!digits || i + 2 >= value.size())
            return std::nullopt;
        out += static_cast<char>(*digits);
        i += 2;
    }
    return out;
}

bool validKey(const QByteArray &key)
{
    if (key.isEmpty() || key.size() > 16)
        return false;
    for (const char c : key) {
        if (c < 'a' || c > 'z')
            return false;
    }
    return true;
}

} // namespace

QString LobbyLine::text(const char *key) const
{
    const auto found = fields.find(key);
    return found == fields.end() ? QString() : QString::fromUtf8(found->second);
}

std::optional<int> LobbyLine::number(const char *key) const
{
    const auto found = fields.find(key);
    if (found == fields.end() || found->second.isEmpty() || found->second.size() > 5)
        return std::nullopt;
    const auto value = parseDigits(std::string_view(found->second.constData(), found->second.size()), 10, 99999);
    if (!value)
        return std::nullopt;
    return static_cast<int>(*value);
}

QByteArray LobbyLine::encoded() const
{
    QByteArray out = word;
    for (const auto &[key, value] : fields)
        out += ' ' + key + '=' + percentEncoded(value);
    return out + '\n';
}

LobbyLine &LobbyLine::add(const char *key, const QByteArray &value)
{
    fields[key] = value;
    return *this;
}

std::optional<LobbyLine> LobbyLine::parse(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    const QList<QByteArray> parts = line.split(' ');
    LobbyLine parsed;
    parsed.word = parts.first();
    if (parsed.word.isEmpty())
        return std::nullopt;
    for (const char c : parsed.word) {
        if (c < 'A' || c > 'Z')
            return std::nullopt;
    }
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const qsizetype equals = parts[i].indexOf('=');
        // "REACHABLE yes": a bare word after the first is a value of its own.
        if (equals < 0) {
            if (parts[i].isEmpty() || parsed.fields.count(""))
                return std::nullopt;
            parsed.fields[""] = parts[i];
            continue;
        }
        const QByteArray key = parts[i].left(equals);
        const std::optional<QByteArray> value = percentDecoded(parts[i].mid(equals + 1));
        if (!validKey(key) || !value || parsed.fields.count(key))
            return std::nullopt;
        parsed.fields[key] = *value;
    }
    return parsed;
}

std::optional<ServiceAddress> ServiceAddress::parse(const QString &text)
{
    const QString trimmed = text.trimmed();
    ServiceAddress address;
    QString portText;
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close < 0)
            return std::nullopt;
        address.host = trimmed.mid(1, close - 1);
        const QString rest = trimmed.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':')))
                return std::nullopt;
            portText = rest.mid(1);
        }
    } else if (trimmed.count(QLatin1Char(':')) > 1) {
        // An IPv6 literal without brackets has no room for a port.
        address.host = trimmed;
    } else {
        const qsizetype colon = trimmed.indexOf(QLatin1Char(':'));
        address.host = colon < 0 ? trimmed : trimmed.left(colon);
        if (colon >= 0)
            portText = trimmed.mid(colon + 1);
    }
    if (address.host.isEmpty() || address.host.contains(QLatin1Char(' ')))
        return std::nullopt;
    if (!portText.isNull()) {
        const QByteArray digits = portText.toLatin1();
        const auto port = parseDigits(std::string_view(digits.constData(), digits.size()), 10, 65535);
        if (!port || *port == 0)
            return std::nullopt;
        address.port = static_cast<quint16>(*port);
    }
    return address;
}
