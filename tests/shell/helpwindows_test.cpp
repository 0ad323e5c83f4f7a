#include "boardpanel.h"
#include "clientstate.h"
#include "fakedesktop.h"
#include "protocol.h"
#include "quickinstructions.h"
#include "randomsource.h"
#include "roundview.h"
#include "smallwindows.h"
#include "tchat.h"
#include "tphrases.h"
#include "tspylist.h"
#include "ttallylist.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

QString pageText(const Thelp &help)
{
    return help.findChild<QStackedWidget *>()->currentWidget()->property("plainText").toString();
}

} // namespace

TEST(QuickInstructions, CtrlIShowsThePanelOverTheBoardAndDoneHidesIt)
{
    ClientState state;
    FakeDesktop desktop;
    RandomSource random(7);
    Tchat window(state, desktop, random);
    // A control made after the panel, as the board views are.
    auto *board = new QWidget(window.panel());
    board->setGeometry(3, 3, 482, 434);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QWidget *panel = window.findChild<QWidget *>("panel_help");
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isVisible());
    QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(1, 1, 484, 525));
    QWidget *front = window.panel()->childAt(240, 200);
    EXPECT_TRUE(front == panel || panel->isAncestorOf(front)) << "the panel lies in front of the board";

    auto *done = panel->findChild<QAbstractButton *>("button_done");
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->geometry(), QRect(400, 480, 75, 39));
    QTest::keyClick(done, Qt::Key_Space);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(board->isVisible());
}

// Shown at the first login, the panel stays over whatever the game then
// puts on the board: the last-placement frames, the score popup and the
// winner panel.
TEST(QuickInstructions, ThePanelStaysOverTheBoardsFramesPopupAndWinnerPanel)
{
    ClientState state;
    state.mynumber = 1;
    FakeDesktop desktop;
    RandomSource random(7);
    Tchat window(state, desktop, random);
    RoundView *round = nullptr;
    BoardPanel::Hooks boardHooks;
    boardHooks.placementShown = [&round](int seat, const QString &total, const QString &gain, int x, int y) {
        round->showPlacement(seat, total, gain, x, y);
    };
    BoardPanel board(state, window.panel(), boardHooks);
    RoundView::Hooks roundHooks;
    roundHooks.playsounds = [](const QString &) {};
    roundHooks.addSystemLine = [](const QString &) {};
    RoundView view(state, window.panel(), board.backPanel(), roundHooks);
    round = &view;
    window.show();

    window.QuickInstructions1Click();
    view.winner("Ann+");
    board.showtiles("1+3+1+2+3+4+");
    board.heplace("1+65+65+4+4+1+2+3+4+");
    const QRect over(1, 1, QuickInstructions::Width, QuickInstructions::Height);
    const QImage withBoardThings = window.panel()->grab(over).toImage();
    const QList<QWidget *> boardThings{board.highlite(), board.newtileFrame(),
                                       window.findChild<QWidget *>("image_score"),
                                       window.findChild<QWidget *>("panel_winner")};
    for (QWidget *thing : boardThings)
        ASSERT_TRUE(thing && thing->isVisible()) << (thing ? qPrintable(thing->objectName()) : "missing");
    for (QWidget *thing : boardThings)
        thing->hide();
    EXPECT_TRUE(window.panel()->grab(over).toImage() == withBoardThings) << "a board thing shows over the panel";
}

TEST(HelpWindow, DocumentationShowsHistoryAndThePageIsKeptAfterClosing)
{
    Thelp help;
    EXPECT_EQ(help.title(), "Overview");
    EXPECT_EQ(help.page(), 1);
    help.show();

    QTest::mouseClick(help.findChild<QPushButton *>("SelButton5"), Qt::LeftButton);
    EXPECT_EQ(help.title(), "Documentation");
    EXPECT_TRUE(pageText(help).startsWith("History"));
    EXPECT_TRUE(pageText(help).contains(QString("Version ") + wire::ProgramVersion));

    QTest::mouseClick(help.findChild<QPushButton *>("button_done"), Qt::LeftButton);
    EXPECT_FALSE(help.isVisible());
    help.showCentred();
    EXPECT_EQ(help.title(), "Documentation");
    EXPECT_TRUE(pageText(help).startsWith("History"));

    // Every topic has its own non-empty page, and the pages cannot be edited.
    QSet<QString> texts;
    for (int page = 1; page <= Thelp::PageCount; ++page) {
        auto *button = help.findChild<QPushButton *>(QString("SelButton%1").arg(page));
        ASSERT_NE(button, nullptr) << page;
        button->click();
        EXPECT_EQ(help.page(), page);
        EXPECT_EQ(help.title(), button->text());
        EXPECT_TRUE(help.findChild<QStackedWidget *>()->currentWidget()->property("readOnly").toBool());
        texts.insert(pageText(help));
    }
    EXPECT_EQ(texts.size(), Thelp::PageCount);

    int abouts = 0;
    help.showAbout = [&abouts] { ++abouts; };
    help.findChild<QPushButton *>("button_about")->click();
    EXPECT_EQ(abouts, 1);
}

TEST(AboutWindow, ShowsTheLoginVersionAndOpensTheMakersSite)
{
    FakeDesktop desktop;
    Tabout about(desktop);
    EXPECT_EQ(about.findChild<QLabel *>("version")->text(), QString(wire::ProgramVersion));
    EXPECT_EQ(about.findChild<QLabel *>("label_build")->text(), ".0");

    QLabel *url = about.findChild<QLabel *>("label_url");
    EXPECT_EQ(url->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(url, Qt::LeftButton);
    about.show();
    url->setFocus();
    QTest::keyClick(url, Qt::Key_Return);
    EXPECT_EQ(desktop.openedUrls, (QStringList{Tchat::WebAddress, Tchat::WebAddress}));

    about.findChild<QPushButton *>("button_done")->click();
    EXPECT_FALSE(about.isVisible());
}

TEST(SmallWindows, EscapeClosesTheHelpTallyPhraseAndSpyWindowsFromTheirFocusedControl)
{
    FakeDesktop desktop;
    QTemporaryDir folder;
    Thelp help;
    Ttallylist tally(folder.filePath("Tavlixtally.tld"), desktop);
    Tphrases phrases;
    Tspylist spies;
    for (GameWindow *window : std::initializer_list<GameWindow *>{&help, &tally, &phrases, &spies}) {
        window->showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << qPrintable(window->objectName());
        QWidget *focused = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(focused, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << qPrintable(window->objectName());
    }
}
