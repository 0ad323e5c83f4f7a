// Writes the pseudo-language the tests run the windows in: every text of a
// Qt Linguist file "translated" into its English source with accented
// letters, in brackets and about 40% longer. A text that escaped tr() shows
// up as plain English; a control too narrow for a longer language shows up
// as a cut text.
//
//   tavlix_pseudotr <lupdate output .ts> <pseudo .ts>

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

QChar accented(QChar c)
{
    static const QString plain = QStringLiteral("aeiouycnszAEIOUYCNSZ");
    static const QString marked = QStringLiteral(u"áéíöüýçñšžÅÉÎÖÜÝÇÑŠŽ");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? c : marked.at(at);
}

// Letters outside markup, %n arguments and entities get their accents.
QString pseudo(const QString &source)
{
    QString out;
    int letters = 0;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        // An HTML tag (<p>, </b>, <td align="right">) stays as it is; the
        // game's own words in angle brackets (<Waiting>) are text.
        if (c == QLatin1Char('<') && i + 1 < source.size()
            && (source.at(i + 1) == QLatin1Char('/') || source.at(i + 1).isLower())) {
            const qsizetype end = source.indexOf(QLatin1Char('>'), i);
            if (end > 0) {
                out += source.mid(i, end - i + 1);
                i = end;
                continue;
            }
        }
        if (c == QLatin1Char('%') && i + 1 < source.size()
            && (source.at(i + 1).isDigit() || source.at(i + 1) == QLatin1Char('n'))) {
            out += source.mid(i, 2);
            ++i;
            continue;
        }
        if (c == QLatin1Char('&') && i + 1 < source.size() && source.at(i + 1).isLetter()) {
            const qsizetype semicolon = source.indexOf(QLatin1Char(';'), i);
            if (semicolon > 0 && semicolon - i <= 7) { // &nbsp; &amp;
                out += source.mid(i, semicolon - i + 1);
                i = semicolon;
                continue;
            }
        }
        if (c.isLetter())
            ++letters;
        out += accented(c);
    }
    // About 40% more letters, in short words so that wrapping still works.
    static const QString filler = QStringLiteral(u"ŀőřéṁ");
    QString extra;
    for (int n = 0; n < (letters * 2 + 4) / 5; ++n) {
        if (n % 5 == 0)
            extra += QLatin1Char(' ');
        extra += filler.at(n % filler.size());
    }
    // Leading and trailing line breaks stay outside the brackets.
    qsizetype head = 0;
    while (head < out.size() && out.at(head) == QLatin1Char('\n'))
        ++head;
    qsizetype tail = out.size();
    while (tail > head && out.at(tail - 1) == QLatin1Char('\n'))
        --tail;
    return out.left(head) + QLatin1Char('[') + out.mid(head, tail - head) + extra + QLatin1Char(']') + out.mid(tail);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <in.ts> <out.ts>\n", argv[0]);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s: cannot open %s or %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    QString source;
    bool numerus = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const auto name = reader.name();
            if (name == QLatin1String("TS")) {
                writer.writeStartElement(QStringLiteral("TS"));
                writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
                writer.writeAttribute(QStringLiteral("language"), QStringLiteral("xx"));
            } else if (name == QLatin1String("context")) {
                writer.writeStartElement(QStringLiteral("context"));
            } else if (name == QLatin1String("name")) {
                writer.writeTextElement(QStringLiteral("name"), reader.readElementText());
            } else if (name == QLatin1String("message")) {
                numerus = reader.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                writer.writeStartElement(QStringLiteral("message"));
                if (numerus)
                    writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            } else if (name == QLatin1String("source") || name == QLatin1String("comment")) {
                const QString text = reader.readElementText();
                if (name == QLatin1String("source"))
                    source = text;
                writer.writeTextElement(name.toString(), text);
            } else if (name == QLatin1String("translation")) {
                reader.skipCurrentElement();
                writer.writeStartElement(QStringLiteral("translation"));
                if (numerus) {
                    writer.writeTextElement(QStringLiteral("numerusform"), pseudo(source));
                    writer.writeTextElement(QStringLiteral("numerusform"), pseudo(source));
                } else {
                    writer.writeCharacters(pseudo(source));
                }
                writer.writeEndElement();
            } else {
                reader.skipCurrentElement();
            }
        } else if (reader.isEndElement()) {
            const auto name = reader.name();
            if (name == QLatin1String("TS") || name == QLatin1String("context") || name == QLatin1String("message"))
                writer.writeEndElement();
        }
    }
    writer.writeEndDocument();
    if (reader.hasError()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    return 0;
}
