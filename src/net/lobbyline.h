#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <map>
#include <optional>

// The lines of the meeting service's protocol (docs/lobby-protocol.md): a
// word in capitals, then fields "key=value", each after one space, the
// values percent-encoded; a line feed ends the line.
struct LobbyLine
{
    // The longest line the service sends, and the longest a client keeps
    // waiting for its end.
    static constexpr qsizetype MaxLength = 1024;

    QByteArray word;
    std::map<QByteArray, QByteArray> fields; // decoded values

    // The field's value as UTF-8 text; empty when it is missing.
    QString text(const char *key) const;
    bool has(const char *key) const { return fields.count(key) != 0; }
    // A field of plain decimal digits (at most 5), or nothing.
    std::optional<int> number(const char *key) const;

    // The line as it travels, line feed included.
    QByteArray encoded() const;
    LobbyLine &add(const char *key, const QByteArray &value);
    LobbyLine &add(const char *key, const QString &value) { return add(key, value.toUtf8()); }
    LobbyLine &add(const char *key, int value) { return add(key, QByteArray::number(value)); }

    // One received line without its line feed (a carriage return before it
    // is dropped). Nothing when it is not of the form above; keys the
    // reader does not know are kept and ignored by the caller.
    static std::optional<LobbyLine> parse(QByteArray line);
};

// Where the meeting service is, from the Lobbyserver setting: "host:port",
// an IPv6 literal in brackets ("[2001:db8::7]:7773"); the port may be left
// out. Nothing for a text that names no host.
struct ServiceAddress
{
    static constexpr quint16 DefaultPort = 7773;

    QString host;
    quint16 port = DefaultPort;

    static std::optional<ServiceAddress> parse(const QString &text);
};
