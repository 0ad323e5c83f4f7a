// Every window, dialog, menu and help page in the pseudo-language: no text
// escaped tr(), and every text fits its control.

#include "pseudolanguage.h"

#include "chatpane.h"
#include "eventloop.h"
#include "fakedesktop.h"
#include "program.h"
#include "randomsource.h"
#include "tabout.h"
#include "tchat.h"
#include "tdownload.h"
#include "thelp.h"
#include "tphrases.h"
#include "smallwindows.h"
#include "tspylist.h"
#include "ttallylist.h"

#include <QPushButton>
#include <QTemporaryDir>

namespace {

class PseudoWindows : public PseudoLanguage
{
protected:
    void SetUp() override
    {
        PseudoLanguage::SetUp();
        program = std::make_unique<TavlixProgram>(desktop, random, QStringList{}, folder.path());
    }

    // Shows `window`, lets it lay itself out, and returns its problems.
    QStringList shown(QWidget &window)
    {
        window.show();
        spinFor(20);
        return textProblems(&window);
    }

    QTemporaryDir folder;
    FakeDesktop desktop;
    RandomSource random{1};
    std::unique_ptr<TavlixProgram> program;
};

TEST_F(PseudoWindows, TheMainWindowItsMenusAndTheQuickInstructions)
{
    Tchat &window = program->mainWindow();
    EXPECT_TRUE(none(shown(window)));
    // At its built-in size, in the pseudo-language, nothing is cut.
    EXPECT_EQ(window.innerSize().width() >= Tchat::PanelWidth, true);
    window.QuickInstructions1Click();
    EXPECT_TRUE(none(textProblems(&window)));
}

TEST_F(PseudoWindows, EveryHelpPageAndTheAboutWindow)
{
    Thelp &help = program->help();
    EXPECT_TRUE(none(shown(help)));
    for (QPushButton *topic : help.findChildren<QPushButton *>()) {
        if (!topic->objectName().startsWith(QLatin1String("SelButton")))
            continue;
        topic->click();
        EXPECT_TRUE(help.title().startsWith(QLatin1Char('['))) << help.title().toStdString();
        EXPECT_TRUE(none(textProblems(&help)) << topic->objectName().toStdString());
    }
    EXPECT_TRUE(none(shown(program->about())));
}

TEST_F(PseudoWindows, TheSmallWindowsTheTallyAndTheDownloadWindow)
{
    EXPECT_TRUE(none(shown(program->gamestart())));
    EXPECT_TRUE(none(shown(program->phrasesWindow())));
    EXPECT_TRUE(none(shown(program->spylist())));
    EXPECT_TRUE(none(shown(program->tally())));
    EXPECT_TRUE(none(shown(program->download())));
}

} // namespace
