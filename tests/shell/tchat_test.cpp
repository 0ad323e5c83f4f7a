#include "chatpane.h"
#include "chattersounds.h"
#include "clientstate.h"
#include "eventloop.h"
#include "fakedesktop.h"
#include "randomsource.h"
#include "tchat.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest() : random(12345), window(state, desktop, random)
    {
        window.saveinifile = [this] {
            ++saves;
            savedBounds = window.boundsToSave();
        };
    }

    QRect panelGeometry() const { return window.panel()->geometry(); }

    ClientState state;
    FakeDesktop desktop;
    RandomSource random;
    Tchat window;
    int saves = 0;
    QRect savedBounds;
};

QStringList captions(const QMenu *menu)
{
    QStringList list;
    for (const QAction *a : menu->actions()) {
        if (a->isVisible())
            list << (a->isSeparator() ? QStringLiteral("-") : QString(a->text()).remove('&'));
    }
    return list;
}

// The mnemonic letter of every visible item (lower case), "" where none.
QStringList mnemonics(const QMenu *menu)
{
    QStringList letters;
    for (const QAction *a : menu->actions()) {
        if (!a->isVisible() || a->isSeparator())
            continue;
        const QString text = a->text();
        const qsizetype at = text.indexOf('&');
        letters << (at >= 0 && at + 1 < text.size() ? text.mid(at + 1, 1).toLower() : QString());
    }
    return letters;
}

} // namespace

TEST_F(MainWindowTest, CaptionMenusAndTheirStartStates)
{
    EXPECT_EQ(window.windowTitle(), "Tavlix by Orvel Software");
    EXPECT_EQ(captions(window.fileMenu()), (QStringList{"Start Game", "Copy Invite Code", "-", "Exit"}));
    EXPECT_EQ(captions(window.optionsMenu()),
              (QStringList{"Play Sounds", "Player Phrase Sounds", "Turn Sound", "Bot Speed", "Computer Strength",
                           "Show Fitting Cells", "Open Port on Router", "Show on Network", "Play Online", "Lock Table", "-", "Text Color",
                           "Text Size", "Scroll Chat Off",
                           "Clear Main Chat", "Language", "Reset Screen Location", "-",
                           "Just Watch"}));
    EXPECT_EQ(captions(window.viewMenu()), (QStringList{"View Tally", "Spy List", "Phrase List", "-", "Go to Board"}));
    EXPECT_EQ(captions(window.helpMenu()), (QStringList{"Content", "Quick Instructions", "-", "About"}));

    EXPECT_FALSE(window.item("StartGame1")->isEnabled());
    EXPECT_TRUE(window.item("PlaySounds1")->isChecked());
    EXPECT_TRUE(window.item("PlayerPhraseSounds1")->isChecked());
    EXPECT_TRUE(window.item("Classic1")->isChecked());
    EXPECT_FALSE(window.item("New1")->isChecked());
    EXPECT_TRUE(window.item("Normal1")->isChecked());
    EXPECT_TRUE(window.item("LevelClassic1")->isChecked());
    EXPECT_FALSE(window.item("JustWatch1")->isChecked());
    EXPECT_TRUE(window.item("OpenPort1")->isChecked());
    EXPECT_FALSE(window.item("LockTable1")->isChecked());
    EXPECT_FALSE(window.item("LockTable1")->isEnabled());
    EXPECT_TRUE(window.item("OnlineInvite1")->isChecked());
    EXPECT_FALSE(window.item("CopyInviteCode1")->isEnabled());
    EXPECT_FALSE(window.item("ScrollChatOff2")->isChecked());
    EXPECT_EQ(window.item("Help2")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(window.item("QuickInstructions1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    EXPECT_EQ(window.item("ScrollChatOff2")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_NE(window.item("TurnSound1"), nullptr);
    EXPECT_NE(window.item("BotSpeed1"), nullptr);
}

TEST_F(MainWindowTest, CreationResetsTheClientStateAndSeedsFromTheClock)
{
    EXPECT_EQ(state.systemcolor, ColourBlue);
    EXPECT_EQ(state.numseats, 6);
    EXPECT_FALSE(state.ishost);
    EXPECT_EQ(state.whoseturn, 0);
    EXPECT_LT(random.seed(), 24u * 3600 * 1000) << "seeded from the time of day";
    EXPECT_EQ(window.botspeed(), 0) << "the speed is first set by reading the settings";
}

TEST_F(MainWindowTest, PanelSitsAtItsPlaceWithTheControlsOnIt)
{
    window.show();
    EXPECT_EQ(panelGeometry(), QRect(1, 1, Tchat::PanelWidth, Tchat::PanelHeight));
    const auto at = [this](const char *name) { return window.panel()->findChild<QWidget *>(name)->geometry(); };
    EXPECT_EQ(at("image_logo"), QRect(493, 4, 264, 28));
    EXPECT_EQ(at("mainchat"), QRect(488, 228, 272, 271));
    EXPECT_EQ(at("mychat"), QRect(488, 500, 244, 22));
}

TEST_F(MainWindowTest, NeverSmallerThanThePanelPlusFour)
{
    window.show();
    window.resize(200, 150);
    EXPECT_GE(window.innerSize().width(), 768);
    EXPECT_GE(window.innerSize().height(), 530);
}

TEST_F(MainWindowTest, SpringsBackWhereTheWindowSystemIgnoresTheMinimum)
{
    window.show();
    // A window manager that ignores size hints lets the window be dragged
    // smaller than its minimum.
    window.setMinimumSize(0, 0);
    window.resize(400, 300);
    EXPECT_TRUE(waitUntil([this] { return window.innerSize() == QSize(768, 530); }, 2000))
        << window.innerSize().width() << "x" << window.innerSize().height();
}

TEST_F(MainWindowTest, ALargerWindowKeepsThePanelCentred)
{
    window.show();
    const int menu = window.menuBar()->height();
    window.resize(1000, 700 + menu);
    ASSERT_TRUE(waitUntil([this] { return window.innerSize() == QSize(1000, 700); }, 2000));
    EXPECT_EQ(panelGeometry().size(), QSize(764, 526));
    EXPECT_EQ(panelGeometry().topLeft(), QPoint(1 + (1000 - 767) / 2, 1 + (700 - 529) / 2));
}

TEST_F(MainWindowTest, BotSpeedItemsCheckOneAndSave)
{
    window.Fast1Click(window.item("Fast1"));
    EXPECT_EQ(window.botspeed(), 500);
    EXPECT_TRUE(window.item("Fast1")->isChecked());
    EXPECT_FALSE(window.item("Normal1")->isChecked());
    EXPECT_EQ(saves, 1);
    window.item("Slow1")->trigger();
    EXPECT_EQ(window.botspeed(), 2000);
    EXPECT_FALSE(window.item("Fast1")->isChecked());
    EXPECT_EQ(saves, 2);
}

TEST_F(MainWindowTest, SwitchesAndTurnSoundSaveAtOnce)
{
    window.item("PlaySounds1")->trigger();
    EXPECT_FALSE(window.item("PlaySounds1")->isChecked());
    window.item("New1")->trigger();
    EXPECT_TRUE(window.item("New1")->isChecked());
    EXPECT_FALSE(window.item("Classic1")->isChecked());
    EXPECT_EQ(saves, 2);
}

TEST_F(MainWindowTest, ResetScreenLocationGoesBackToTheBuiltInPlace)
{
    window.show();
    window.setBounds(QRect(120, 80, 900, 700));
    window.ResetScreenLocation1Click();
    EXPECT_EQ(window.bounds().topLeft(), QPoint(3, 3));
    EXPECT_GE(window.innerSize().width(), 768);
    EXPECT_GE(window.innerSize().height(), 530);
    EXPECT_EQ(saves, 0) << "nothing is saved until the window closes";
}

TEST_F(MainWindowTest, ClosingSavesOnlyWhenTheBoundsChanged)
{
    window.show();
    window.setRememberedBounds(window.bounds());
    int closings = 0;
    window.onClosing = [&closings] { ++closings; };
    window.close();
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(closings, 1) << "the tally is written in any case";
}

TEST_F(MainWindowTest, ClosingStoresAWindowLargerThanTheWorkAreaSmaller)
{
    window.show();
    const QRect work = window.screen()->availableGeometry();
    window.setBounds(QRect(0, 0, work.width() + 40, work.height() + 60));
    const QRect before = window.bounds();
    window.close();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(savedBounds.size(), before.size() - QSize(15, 15));
    EXPECT_EQ(window.rememberedBounds(), savedBounds);
}

TEST_F(MainWindowTest, LogoOpensTheMakersWebSite)
{
    window.image_logoClick();
    EXPECT_EQ(desktop.openedUrls, QStringList{Tchat::WebAddress});
}

TEST_F(MainWindowTest, ChatTextSizeMenuSavesThroughTheWindow)
{
    window.chatPane().textSizeClick(12);
    EXPECT_EQ(saves, 1);
}

TEST_F(MainWindowTest, BringingForwardRestoresAMinimisedWindowAsItWas)
{
    window.showMaximized();
    window.setWindowState(window.windowState() | Qt::WindowMinimized);
    window.bringForward();
    EXPECT_FALSE(window.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized) << "restoring keeps a maximised window maximised";
}

TEST_F(MainWindowTest, MenuShortcutsReachTheirItems)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    int content = 0, quick = 0;
    QObject::connect(window.item("Help2"), &QAction::triggered, [&content] { ++content; });
    QObject::connect(window.item("QuickInstructions1"), &QAction::triggered, [&quick] { ++quick; });
    QTest::keyClick(&window, Qt::Key_F1);
    QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(content, 1);
    EXPECT_EQ(quick, 1);
    EXPECT_TRUE(window.item("ScrollChatOff2")->isChecked());
    EXPECT_TRUE(window.chatPane().scrollChatOff());
}

TEST_F(MainWindowTest, JustWatchKeepsItsMarkUntilTheHostAnswers)
{
    window.item("JustWatch1")->trigger();
    EXPECT_FALSE(window.item("JustWatch1")->isChecked());
    EXPECT_EQ(saves, 0);
}

TEST_F(MainWindowTest, PlaySoundsGovernsEventSoundsAndPlayerPhraseSoundsTheChatter)
{
    window.item("PlaySounds1")->trigger();
    window.playsounds("place");
    window.chatterSounds().playasound("1+wave1+");
    EXPECT_EQ(desktop.sounds, QStringList{"wave1"});

    window.item("PlaySounds1")->trigger();
    window.item("PlayerPhraseSounds1")->trigger();
    window.chatterSounds().playasound("1+wave1+");
    window.playsounds("place");
    EXPECT_EQ(desktop.sounds, (QStringList{"wave1", "place"}));
}

TEST_F(MainWindowTest, EveryMenuAndItemHasALetterOfItsOwn)
{
    QList<const QMenu *> menus;
    QStringList barLetters;
    for (const QAction *top : window.menuBar()->actions())
        barLetters << top->text().mid(top->text().indexOf('&') + 1, 1).toLower();
    EXPECT_EQ(barLetters, (QStringList{"f", "o", "v", "h"}));
    for (const QMenu *menu : window.findChildren<QMenu *>()) {
        if (menu->menuAction()->text().isEmpty() || menu->objectName().startsWith("popup"))
            continue;
        const QStringList letters = mnemonics(menu);
        for (const QString &letter : letters)
            EXPECT_FALSE(letter.isEmpty()) << menu->objectName().toStdString();
        EXPECT_EQ(QSet<QString>(letters.begin(), letters.end()).size(), letters.size())
            << menu->objectName().toStdString() << ": " << letters.join(',').toStdString();
    }
}
