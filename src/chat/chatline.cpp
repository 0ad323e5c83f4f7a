#include "chatline.h"

namespace {

const QString PictureMark = QStringLiteral(":)#");

// Seat numbers run 1..9; anything else before the '+' (nothing, a letter, a
// number out of range) is shown in the system look, since the host never
// sends such a line and dropping it would hide what arrived.
int lookOf(const QString &number)
{
    bool ok = false;
    const int n = number.toInt(&ok);
    if (!ok || number.isEmpty() || !number.at(0).isDigit() || n < 1 || n > 9)
        return 0;
    return n + 5;
}

int pictureIndexOf(const QString &code)
{
    bool ok = false;
    const int n = code.toInt(&ok);
    if (!ok || code.size() != 2 || !code.at(0).isDigit() || !code.at(1).isDigit())
        return 0;
    const int index = n - ChatLine::FirstPictureCode;
    return index >= 0 && index < ChatLine::PictureCount ? index : 0;
}

// Cuts text after each space, so every word keeps its one trailing space
// and a run of spaces yields one-space words.
void appendWords(QList<ChatPiece> &pieces, const QString &text)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype space = text.indexOf(QLatin1Char(' '), start);
        const qsizetype end = space < 0 ? text.size() : space + 1;
        const QString word = text.mid(start, end - start);
        pieces.append({ChatLine::isLinkWord(word) ? ChatPiece::Link : ChatPiece::Word, word, 0});
        start = end;
    }
}

} // namespace

bool ChatLine::isLinkWord(const QString &word)
{
    return word.contains(QLatin1String("http://"), Qt::CaseInsensitive)
        || word.contains(QLatin1String("www."), Qt::CaseInsensitive);
}

ChatLine ChatLine::parse(const QString &line)
{
    ChatLine result;
    const qsizetype plus = line.indexOf(QLatin1Char('+'));
    const QString body = plus < 0 ? line : line.mid(plus + 1);
    result.look = plus < 0 ? 0 : lookOf(line.left(plus));

    qsizetype colon = body.indexOf(QLatin1Char(':'));
    // The program's own lines name nobody: there a colon inside a word, as
    // in an IPv6 address, ends no name part and the address stays whole.
    while (result.look == 0 && colon >= 0 && colon + 1 < body.size() && body.at(colon + 1) != QLatin1Char(' '))
        colon = body.indexOf(QLatin1Char(':'), colon + 1);
    QString remainder = body;
    if (colon >= 0) {
        result.namePart = body.left(colon + 1);
        remainder = body.mid(colon + 1);
    }

    qsizetype mark;
    while ((mark = remainder.indexOf(PictureMark)) >= 0) {
        appendWords(result.pieces, remainder.left(mark) + QLatin1Char(' '));
        const QString code = remainder.mid(mark + PictureMark.size(), 2);
        result.pieces.append({ChatPiece::Picture, QString(), pictureIndexOf(code)});
        remainder = remainder.mid(mark + PictureMark.size() + code.size());
    }
    if (!remainder.isEmpty())
        appendWords(result.pieces, remainder + QLatin1Char(' '));
    return result;
}
