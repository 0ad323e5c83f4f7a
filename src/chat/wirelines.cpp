#include "wirelines.h"

#include "uitext.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

namespace WireLines {
namespace {

struct Template {
    const char *english;
    // Arguments that are themselves texts of the program (bit n-1 for %n),
    // looked up among the fragments; the others pass unchanged.
    unsigned translatedArguments = 0;
};

// What the host tells the hosting player about refused connections.
const Template HostNotices[] = {
    {QT_TRANSLATE_NOOP("WireLines", "%1 tried to join again and was turned away.")},
    //: %1 a number, %2 an address or "N other addresses", %3 the reason
    {QT_TRANSLATE_NOOP("WireLines", "Turned away %1 connections from %2 (%3)."), 0b110},
};

// The arguments of the host's notices that are its own words.
const Template Fragments[] = {
    {QT_TRANSLATE_NOOP("WireLines", "%1 other addresses")},
    //: Why the host turned connections away
    {QT_TRANSLATE_NOOP("WireLines", "too many waiting to log in")},
    //: Why the host turned connections away
    {QT_TRANSLATE_NOOP("WireLines", "too many connections")},
    //: Why the host turned connections away: the player was removed from the game
    {QT_TRANSLATE_NOOP("WireLines", "removed")},
    //: Why the host turned connections away
    {QT_TRANSLATE_NOOP("WireLines", "table locked")},
};

// Chat and action lines: the host puts " chats: " between a name and what
// was typed; a phrase button sends "says: " before its phrase.
const Template ChatLines[] = {
    //: A chat line: %1 a player's name, %2 what they typed
    {QT_TRANSLATE_NOOP("WireLines", "%1 chats: %2")},
    //: A phrase button's line: %1 a player's name, %2 the phrase
    {QT_TRANSLATE_NOOP("WireLines", "%1 says: %2")},
};

// The English template as a pattern: each %n any text, the rest literal.
QRegularExpression patternOf(const QString &english)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d)"));
    QString pattern = QStringLiteral("^");
    qsizetype at = 0;
    auto it = marker.globalMatch(english);
    while (it.hasNext()) {
        const auto m = it.next();
        pattern += QRegularExpression::escape(english.mid(at, m.capturedStart() - at));
        pattern += QStringLiteral("(.*?)");
        at = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(english.mid(at)) + QStringLiteral("$");
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

template <std::size_t N>
std::optional<QString> match(const Template (&table)[N], const QString &line);

QString fragment(const QString &text)
{
    return match(Fragments, text).value_or(text);
}

template <std::size_t N>
std::optional<QString> match(const Template (&table)[N], const QString &line)
{
    for (const Template &t : table) {
        const QString english = QString::fromLatin1(t.english);
        const auto m = patternOf(english).match(line);
        if (!m.hasMatch())
            continue;
        QStringList arguments;
        for (int n = 1; n <= m.lastCapturedIndex(); ++n) {
            const QString argument = m.captured(n);
            arguments.append((t.translatedArguments >> (n - 1)) & 1 ? fragment(argument) : argument);
        }
        return UiText::translated("WireLines", t.english, arguments);
    }
    return std::nullopt;
}

} // namespace

QString hostNotice(const QString &line)
{
    return match(HostNotices, line).value_or(line);
}

QString chatText(const QString &text)
{
    return match(ChatLines, text).value_or(text);
}

} // namespace WireLines
