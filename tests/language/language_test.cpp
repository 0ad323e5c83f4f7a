// The player's language: the setting, the desktop's default, the menu, and
// every window following a change at once.

#include "pseudolanguage.h"

#include "eventloop.h"
#include "fakedesktop.h"
#include "language.h"
#include "program.h"
#include "randomsource.h"
#include "tchat.h"
#include "stringgrid.h"
#include "tallyfile.h"
#include "thelp.h"
#include "ttallylist.h"
#include "uitext.h"
#include "wirelines.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>

namespace {

class LanguageChoice : public ::testing::Test
{
protected:
    void TearDown() override { Language::apply(QString()); }

    void writeSettings(const QByteArray &text)
    {
        QFile file(QDir(folder.path()).filePath("orvellobby.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray settingsFile() const
    {
        QFile file(QDir(folder.path()).filePath("orvellobby.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void start() { program = std::make_unique<TavlixProgram>(desktop, random, QStringList{}, folder.path()); }

    QTemporaryDir folder;
    FakeDesktop desktop;
    RandomSource random{1};
    std::unique_ptr<TavlixProgram> program;
};

TEST_F(LanguageChoice, TheDesktopsFirstLanguageOfTheGameIsTheDefault)
{
    EXPECT_EQ(Language::fromUiLanguages({"ja-JP", "de-AT", "fr"}), "de");
    EXPECT_EQ(Language::fromUiLanguages({"pt"}), "pt_BR");
    EXPECT_EQ(Language::fromUiLanguages({"pt-PT"}), "pt_BR");
    EXPECT_EQ(Language::fromUiLanguages({"es-MX", "en-US"}), "es");
    EXPECT_EQ(Language::fromUiLanguages({"en-GB", "de"}), "en");
    EXPECT_EQ(Language::fromUiLanguages({"C"}), "en");
    EXPECT_EQ(Language::fromUiLanguages({}), "en");
    // The tests run with LANGUAGE=en, which Qt reads first.
    EXPECT_EQ(Language::systemLanguage(), "en");
    EXPECT_EQ(Language::resolve("xx"), "en") << "an unknown setting is the system default";
}

TEST_F(LanguageChoice, TheStoredLanguageIsUsedFromTheStartAndTheMenuChangesAndSavesIt)
{
    writeSettings("[Tavlix]\r\nLanguage=de\r\n");
    start();
    Tchat &window = program->mainWindow();
    EXPECT_EQ(Language::current(), "de");
    EXPECT_TRUE(window.item("Language_de")->isChecked());
    for (const char *code : {"de", "es", "fr", "pt_BR"})
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/tavlix_%1.qm").arg(code))) << code << " is built in";
    // Qt's own texts and the numbers follow.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
    EXPECT_EQ(QLocale().toString(1234567), "1.234.567");

    window.item("Language_fr")->trigger();
    EXPECT_EQ(Language::current(), "fr");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Oui");
    EXPECT_TRUE(settingsFile().contains("Language=fr")) << settingsFile().constData();

    window.item("LanguageSystem1")->trigger();
    EXPECT_EQ(Language::current(), "en");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
    EXPECT_TRUE(settingsFile().contains("Language=\r\n")) << settingsFile().constData();
}

TEST_F(LanguageChoice, EveryOpenWindowFollowsAChangeAtOnce)
{
    start();
    Tchat &window = program->mainWindow();
    Thelp &help = program->help();
    help.show();
    EXPECT_EQ(window.optionsMenu()->title(), "&Options");
    EXPECT_EQ(help.title(), "Overview");

    QTranslator pseudo;
    ASSERT_TRUE(pseudo.load(QStringLiteral(TAVLIX_PSEUDO_QM)));
    QCoreApplication::installTranslator(&pseudo);
    // No event loop has run: the change is there at once.
    EXPECT_EQ(window.optionsMenu()->title(), QCoreApplication::translate("Tchat", "&Options"));
    EXPECT_TRUE(window.windowTitle().startsWith('['));
    EXPECT_TRUE(help.title().startsWith('['));
    EXPECT_TRUE(window.item("Language_de")->text() == QString::fromUtf8("&Deutsch"))
        << "a language keeps its own name";
    spinFor(20);
    EXPECT_TRUE(none(textProblems(&window)));

    QCoreApplication::removeTranslator(&pseudo);
    EXPECT_EQ(window.optionsMenu()->title(), "&Options");
    EXPECT_EQ(help.title(), "Overview");
}

} // namespace

namespace {

using WireLinesInAnotherLanguage = PseudoLanguage;

TEST_F(WireLinesInAnotherLanguage, TemplatesAreTranslatedWithTheirOwnWordsAndTypedTextPassesAsItCame)
{
    const QString notice = WireLines::hostNotice("Turned away 3 connections from 2 other addresses (removed).");
    EXPECT_TRUE(notice.startsWith('[')) << notice.toStdString();
    EXPECT_TRUE(notice.contains(UiText::translated("WireLines", "%1 other addresses", {"2"}))) << notice.toStdString();
    EXPECT_TRUE(notice.contains("(" + UiText::translated("WireLines", "removed") + ")")) << notice.toStdString();
    EXPECT_EQ(WireLines::hostNotice("Ann tried to join again and was turned away."),
              UiText::translated("WireLines", "%1 tried to join again and was turned away.", {"Ann"}));
    // A name that comes twice must be the same name twice.
    EXPECT_EQ(WireLines::hostNotice("Green is removed: 2001:db8:64::/64 and the name Green stay away while you host."),
              UiText::translated("WireLines", "%1 is removed: %2 and the name %1 stay away while you host.",
                                 {"Green", "2001:db8:64::/64"}));
    EXPECT_EQ(WireLines::hostNotice("Bo is removed: the name Green stays away while you host."),
              "Bo is removed: the name Green stays away while you host.");

    // What a player typed is never taken for the program's words, even
    // where it reads like them, and a name holding "%2" stays a name.
    EXPECT_EQ(WireLines::chatText("Bo says: removed"), UiText::translated("WireLines", "%1 says: %2", {"Bo", "removed"}));
    EXPECT_EQ(WireLines::chatText("%2 chats: hi"), UiText::translated("WireLines", "%1 chats: %2", {"%2", "hi"}));
    EXPECT_TRUE(WireLines::chatText("%2 chats: hi").contains("%2"));
    EXPECT_EQ(WireLines::chatText("Bo waves"), "Bo waves");
    EXPECT_EQ(WireLines::hostNotice("Something else."), "Something else.");
}

} // namespace

namespace {

TEST_F(LanguageChoice, TheTallyWindowWritesNumbersAsTheLanguageDoesAndTheFileKeepsItsDigits)
{
    const std::string path = QDir(folder.path()).filePath("Tavlixtally.tld").toStdString();
    StringGrid grid(9, 1);
    for (int col = 0; col < 9; ++col)
        grid.setCell(col, 0, "0");
    grid.setCell(1, 0, "1234");
    saveTally(path, grid);
    QFile stored(QString::fromStdString(path));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QByteArray bytes = stored.readAll();
    stored.close();

    Language::apply("de");
    {
        Ttallylist tally(QString::fromStdString(path), desktop);
        EXPECT_EQ(tally.findChild<QLabel *>("mylabel_1")->text(), "1.234");
        tally.saveTally();
    }
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), bytes) << "the same table, the same bytes";

    Language::apply("en");
    Ttallylist english(QString::fromStdString(path), desktop);
    EXPECT_EQ(english.findChild<QLabel *>("mylabel_1")->text(), "1234");
}

} // namespace
