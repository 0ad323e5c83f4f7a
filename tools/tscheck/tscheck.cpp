// Checks the translation files against the sources.
//
//   tavlix_tscheck current <fresh.ts> <language.ts>...
//       every text lupdate finds in the sources (fresh.ts) is in each
//       language's file, and each file has no text the sources lost:
//       the files are current (run the target update_translations if not).
//   tavlix_tscheck complete <language.ts>...
//       no text of any file is unfinished.

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QXmlStreamReader>

#include <cstdio>
#include <optional>

namespace {

struct Message {
    QString key; // context, source and disambiguation
    bool unfinished = false;
};

std::optional<QList<Message>> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return std::nullopt;
    }
    QList<Message> messages;
    QXmlStreamReader reader(&file);
    QString context;
    Message current;
    bool gone = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement()) {
            if (reader.isEndElement() && reader.name() == QLatin1String("message") && !gone)
                messages.append(current);
            continue;
        }
        const auto name = reader.name();
        if (name == QLatin1String("name")) {
            context = reader.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Message{};
            gone = false;
        } else if (name == QLatin1String("source")) {
            current.key = context + QChar(0) + reader.readElementText();
        } else if (name == QLatin1String("comment")) {
            current.key += QChar(0) + reader.readElementText();
        } else if (name == QLatin1String("translation")) {
            const auto type = reader.attributes().value(QLatin1String("type"));
            gone = type == QLatin1String("obsolete") || type == QLatin1String("vanished");
            current.unfinished = type == QLatin1String("unfinished");
        }
    }
    if (reader.hasError()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(reader.errorString()));
        return std::nullopt;
    }
    return messages;
}

QString shown(const QString &key)
{
    QString text = key;
    return text.replace(QChar(0), QLatin1String(" | "));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2 || (args[0] != QLatin1String("current") && args[0] != QLatin1String("complete"))) {
        std::fprintf(stderr, "usage: tavlix_tscheck current <fresh.ts> <language.ts>... | complete <language.ts>...\n");
        return 2;
    }
    int problems = 0;
    if (args[0] == QLatin1String("current")) {
        const auto fresh = readTs(args[1]);
        if (!fresh)
            return 1;
        QSet<QString> wanted;
        for (const Message &m : *fresh)
            wanted.insert(m.key);
        for (const QString &path : args.mid(2)) {
            const auto language = readTs(path);
            if (!language)
                return 1;
            QSet<QString> have;
            for (const Message &m : *language)
                have.insert(m.key);
            for (const QString &key : wanted - have) {
                std::printf("%s lacks: %s\n", qPrintable(QFileInfo(path).fileName()), qPrintable(shown(key)));
                ++problems;
            }
            for (const QString &key : have - wanted) {
                std::printf("%s has a text the sources lost: %s\n", qPrintable(QFileInfo(path).fileName()),
                            qPrintable(shown(key)));
                ++problems;
            }
        }
        if (problems)
            std::printf("Run: cmake --build <build> --target update_translations\n");
    } else {
        for (const QString &path : args.mid(1)) {
            const auto language = readTs(path);
            if (!language)
                return 1;
            int unfinished = 0;
            for (const Message &m : *language)
                unfinished += m.unfinished;
            std::printf("%s: %d of %lld unfinished\n", qPrintable(QFileInfo(path).fileName()), unfinished,
                        static_cast<long long>(language->size()));
            problems += unfinished;
        }
    }
    return problems ? 1 : 0;
}
