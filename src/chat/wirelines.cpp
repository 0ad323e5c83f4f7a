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

// What the host tells the hosting player about removed players and
// refused connections.
const Template HostNotices[] = {
    //: %1 the removed player's name, %2 an address or address block such as 2001:db8:64::/64
    {QT_TRANSLATE_NOOP("WireLines", "%1 is removed: %2 and the name %1 stay away while you host.")},
    //: %1 the removed player's name
    {QT_TRANSLATE_NOOP("WireLines", "%1 is removed: the name %1 stays away while you host.")},
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
// A marker that comes again ("%1 is removed: ... the name %1 ...") must
// match the same text again. `markers` gets the n of each capture group.
QRegularExpression patternOf(const QString &english, QList<int> &markers)
{
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    QString pattern = QStringLiteral("^");
    qsizetype at = 0;
    markers.clear();
    auto it = marker.globalMatch(english);
    while (it.hasNext()) {
        const auto m = it.next();
        pattern += QRegularExpression::escape(english.mid(at, m.capturedStart() - at));
        const int n = m.captured(1).toInt();
        if (const qsizetype group = markers.indexOf(n); group >= 0)
            pattern += QStringLiteral("\\g{%1}").arg(group + 1);
        else {
            markers.append(n);
            pattern += QStringLiteral("(.*?)");
        }
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
        QList<int> markers;
        const auto m = patternOf(QString::fromLatin1(t.english), markers).match(line);
        if (!m.hasMatch())
            continue;
        QStringList arguments;
        for (qsizetype group = 0; group < markers.size(); ++group) {
            const int n = markers[group];
            if (arguments.size() < n)
                arguments.resize(n);
            const QString argument = m.captured(int(group) + 1);
            arguments[n - 1] = (t.translatedArguments >> (n - 1)) & 1 ? fragment(argument) : argument;
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
