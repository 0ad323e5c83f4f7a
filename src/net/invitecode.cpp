#include "invitecode.h"

#include <cstring>

std::optional<QString> InviteCode::parse(const QString &text)
{
    const QString typed = text.trimmed();
    if (!typed.startsWith(QLatin1Char('+')))
        return std::nullopt;
    QString characters;
    for (const QChar c : QStringView(typed).mid(1)) {
        if (c == QLatin1Char('-'))
            continue;
        const QChar upper = c.toUpper();
        if (upper.unicode() > 0x7F || upper.isNull() || !std::strchr(Alphabet, upper.toLatin1()))
            return std::nullopt;
        characters += upper;
        if (characters.size() > Length)
            return std::nullopt;
    }
    if (characters.size() != Length)
        return std::nullopt;
    return QLatin1Char('+') + characters.left(4) + QLatin1Char('-') + characters.mid(4);
}
