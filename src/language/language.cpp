#include "language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Language {
namespace {

QString g_current = QStringLiteral("en");
std::unique_ptr<QTranslator> g_game;
std::unique_ptr<QTranslator> g_qt;

bool known(const QString &code)
{
    for (const Choice &choice : Choices) {
        if (code == QLatin1String(choice.code))
            return true;
    }
    return false;
}

// "de-DE" -> "de", "pt-BR" -> "pt_BR", "pt" -> "pt_BR": the one variant of
// a language that the game has.
QString matchUiLanguage(QString name)
{
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (known(name))
        return name;
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    for (const Choice &choice : Choices) {
        if (QString::fromLatin1(choice.code).section(QLatin1Char('_'), 0, 0) == language)
            return QString::fromLatin1(choice.code);
    }
    return {};
}

void drop(std::unique_ptr<QTranslator> &translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

} // namespace

QString fromUiLanguages(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        const QString code = matchUiLanguage(name);
        if (!code.isEmpty())
            return code;
    }
    return QStringLiteral("en");
}

QString systemLanguage()
{
    return fromUiLanguages(QLocale::system().uiLanguages());
}

QString resolve(const QString &setting)
{
    return known(setting) ? setting : systemLanguage();
}

QString apply(const QString &setting)
{
    const QString code = resolve(setting);
    drop(g_game);
    drop(g_qt);
    g_current = code;
    QLocale::setDefault(QLocale(code));
    if (code != QLatin1String("en")) {
        auto game = std::make_unique<QTranslator>();
        if (game->load(QStringLiteral(":/i18n/tavlix_%1.qm").arg(code))) {
            QCoreApplication::installTranslator(game.get());
            g_game = std::move(game);
        }
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            g_qt = std::move(qt);
        }
    }
    // English removes the translators only; windows still hear of it.
    if (!g_game && !g_qt) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
    return code;
}

QString current()
{
    return g_current;
}

QLocale locale()
{
    return QLocale(g_current);
}

} // namespace Language
