#include "programfixture.h"

#include "boardpanel.h"
#include "boardview.h"
#include "hostprobe.h"
#include "chattersounds.h"
#include "phrasebuttons.h"
#include "roundview.h"
#include "smallwindows.h"
#include "tdownload.h"
#include "tphrases.h"
#include "tserver.h"
#include "ttallylist.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QToolButton>
#include <QTest>

namespace {

// The settings file as "key=value" lines, without the section line.
QStringList keyLines(const QByteArray &file)
{
    QStringList lines;
    for (const QByteArray &line : file.split('\n')) {
        const QString text = QString::fromLatin1(line).trimmed();
        if (!text.isEmpty() && !text.startsWith('['))
            lines << text;
    }
    return lines;
}

QStringList keys(const QByteArray &file)
{
    QStringList names;
    for (const QString &line : keyLines(file))
        names << line.section('=', 0, 0);
    return names;
}

} // namespace

TEST_F(ProgramTest, SoloGameLogsInOverLoopbackAndAnnouncesIt)
{
    startSoloAndLogIn();
    const ClientState &state = program->state();
    EXPECT_EQ(state.mynumber, 1);
    EXPECT_TRUE(state.loggedin);
    EXPECT_TRUE(state.ishost);
    EXPECT_EQ(state.playername, "You");
    const QString chat = chatText();
    EXPECT_TRUE(chat.trimmed().startsWith("Loading Solo Game..Please wait.")) << chat.toStdString();
    EXPECT_TRUE(chat.contains("You are Connected."));
    EXPECT_TRUE(chat.contains("Press Ctrl-I to view Quick Instructions."));
    EXPECT_TRUE(program->download().isVisible()) << "a solo start offers the lobby download";
    EXPECT_TRUE(program->mainWindow().item("StartGame1")->isEnabled());
    EXPECT_EQ(program->server().seats()[1].name, "You");
    EXPECT_EQ(desktop.sounds.value(0), "entered") << "the own arrival is heard";
    EXPECT_FALSE(program->mainWindow().item("LockTable1")->isEnabled());
    // Nobody else can take a seat in a solo game: it listens on 127.0.0.1
    // alone, so even this machine's other addresses find nothing there.
    QTcpSocket other;
    other.connectToHost(QStringLiteral("127.0.0.2"), 7772);
    EXPECT_FALSE(other.waitForConnected(5000));
}

TEST_F(ProgramTest, FirstLoginWithoutSettingsFileWritesOnlyHelp)
{
    startSoloAndLogIn();
    EXPECT_EQ(keyLines(settingsFile()), QStringList{"Help=2"});
    EXPECT_EQ(program->mainWindow().botspeed(), 1000);
    EXPECT_EQ(program->chatPane().textSize(), 8);
    EXPECT_EQ(program->mainWindow().bounds().topLeft(), QPoint(3, 3));
}

TEST_F(ProgramTest, OnlyTheFirstLoginOnAMachineShowsTheQuickInstructions)
{
    startSoloAndLogIn();
    QWidget *panel = program->mainWindow().findChild<QWidget *>("panel_help");
    EXPECT_TRUE(panel->isVisible());
    program->mainWindow().close();
    program.reset();

    startSoloAndLogIn();
    EXPECT_FALSE(program->mainWindow().findChild<QWidget *>("panel_help")->isVisible());
}

TEST_F(ProgramTest, StoredSettingsAreAppliedAtLogin)
{
    writeSettings("[Tavlix]\r\nTextsize=12\r\nTop=60\r\nLeft=50\r\nWidth=900\r\nHeight=700\r\n"
                  "Textcolor=clNavy\r\nRoundnum=7\r\nBotspeed=500\r\nTurnsound=1\r\nPhrase3=Hi all\r\n"
                  "Playsounds=false\r\nPlayerphrasesounds=FALSE\r\nHelp=1\r\n");
    startSoloAndLogIn();
    Tchat &window = program->mainWindow();
    EXPECT_EQ(program->chatPane().textSize(), 12);
    EXPECT_TRUE(window.item("N12")->isChecked());
    EXPECT_EQ(window.bounds(), QRect(50, 60, 900, 700));
    EXPECT_EQ(program->chatPane().chatColour(), colourValue(0, 0, 128));
    EXPECT_EQ(program->gamestart().rounds(), 7);
    EXPECT_EQ(window.botspeed(), 500);
    EXPECT_TRUE(window.item("Fast1")->isChecked());
    EXPECT_TRUE(window.item("New1")->isChecked());
    EXPECT_EQ(window.phraseButtons().phrase(3), "Hi all");
    EXPECT_EQ(window.phraseButtons().phrase(1), "Way To Go!") << "a missing key keeps the built-in phrase";
    EXPECT_FALSE(window.item("PlaySounds1")->isChecked());
    EXPECT_TRUE(window.item("PlayerPhraseSounds1")->isChecked()) << "only the exact text \"false\" switches off";
    EXPECT_TRUE(keyLines(settingsFile()).contains("Help=2"));
}

TEST_F(ProgramTest, UnusableStoredValuesFallBackToDefaults)
{
    writeSettings("[Tavlix]\nBotspeed=1500\nTextsize=11\nTextcolor=purple\nRoundnum=x\n");
    startSoloAndLogIn();
    Tchat &window = program->mainWindow();
    EXPECT_EQ(window.botspeed(), 1000);
    EXPECT_TRUE(window.item("Normal1")->isChecked());
    EXPECT_EQ(program->chatPane().textSize(), 11);
    for (const char *size : {"N8", "N10", "N12", "N14"})
        EXPECT_FALSE(window.item(size)->isChecked()) << size;
    EXPECT_EQ(program->chatPane().chatColour(), ColourBlack);
    EXPECT_EQ(program->gamestart().rounds(), 3);

    program->saveinifile();
    const QStringList lines = keyLines(settingsFile());
    EXPECT_TRUE(lines.contains("Botspeed=1000"));
    EXPECT_TRUE(lines.contains("Textsize=11"));
}

TEST_F(ProgramTest, MovingThenClosingWritesTheThirteenKeysInOrder)
{
    startSoloAndLogIn();
    Tchat &window = program->mainWindow();
    window.setBounds(QRect(40, 30, 800, 600));
    window.close();
    EXPECT_EQ(keys(settingsFile()), (QStringList{"Help", "Textsize", "Top", "Left", "Width", "Height", "Textcolor",
                                                 "Roundnum", "Botspeed", "Turnsound", "Playerphrasesounds",
                                                 "Playsounds", "Showfits", "Botlevel", "Openport",
                                                 "Announce", "Language", "Online"}));
    const QStringList lines = keyLines(settingsFile());
    EXPECT_TRUE(lines.contains("Top=30"));
    EXPECT_TRUE(lines.contains("Left=40"));
    EXPECT_TRUE(lines.contains("Width=800"));
    EXPECT_TRUE(lines.contains("Height=600"));
    EXPECT_TRUE(lines.contains("Textcolor=clBlack"));
    EXPECT_TRUE(lines.contains("Botspeed=1000"));
}

TEST_F(ProgramTest, ClosingAtTheStoredBoundsWritesNothing)
{
    writeSettings("[Tavlix]\r\nTop=20\r\nLeft=10\r\nWidth=800\r\nHeight=600\r\nHelp=2\r\n");
    startSoloAndLogIn();
    const QByteArray before = settingsFile();
    program->mainWindow().close();
    EXPECT_EQ(settingsFile(), before);
}

TEST_F(ProgramTest, ClosingWritesTheTallyFile)
{
    startSoloAndLogIn();
    const QString tally = QDir(folder.path()).filePath("Tavlixtally.tld");
    EXPECT_FALSE(QFile::exists(tally));
    program->mainWindow().close();
    QFile file(tally);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray::fromHex("57525A4C210000000E00400180390D0A310D0A30003F0125"));
}

TEST_F(ProgramTest, ADamagedTallyFileIsReportedKeptAsideAndReplacedAtExit)
{
    QFile broken(QDir(folder.path()).filePath("Tavlixtally.tld"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a tally");
    broken.close();
    start({"Ann", "127.0.0.1"}); // no connection needed
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].contains("no valid header"));
    EXPECT_TRUE(program->mainWindow().isVisible());
    QFile kept(broken.fileName() + ".damaged");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "not a tally");
    program->mainWindow().close();
    ASSERT_TRUE(broken.open(QIODevice::ReadOnly));
    EXPECT_TRUE(broken.readAll().startsWith("WRZL"));
}

TEST_F(ProgramTest, OnlyAPlayersWindowRecordsTheGameInTheTally)
{
    start({"Ann", "127.0.0.1"}); // no connection needed
    const StringGrid &tally = program->tally().scores();
    program->state().mynumber = 7;
    program->roundView().winner("Bob+");
    EXPECT_EQ(tally.cell(1, 0), "0") << "a spectator records nothing";

    program->state().mynumber = 1;
    program->roundView().setSeatName(1, "Ann");
    program->roundView().winner("Ann+");
    EXPECT_EQ(tally.cell(1, 0) + "/" + tally.cell(2, 0), "1/1");
    program->roundView().winner("addtomine+");
    EXPECT_EQ(tally.cell(1, 0) + "/" + tally.cell(2, 0), "2/1") << "a winner's name never counts as this player's win";
}

TEST_F(ProgramTest, AJoinThatNeverConnectsLeavesAHandWrittenSettingsFileAsItWas)
{
    const QByteArray stored = "; kept by hand\r\n[Lobby]\r\nName = Ann\r\n\r\n[Tavlix]\r\ntextsize=12\r\nTop=60\n"
                              "Botspeed=2000\r\nPlaysounds=false\r\nPhrase1=Hi\r\n[Zed]\r\nA=1";
    writeSettings(stored);
    QTcpServer probe; // a port where nobody listens
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const QString closedPort = QString::number(probe.serverPort());
    probe.close();

    const auto joinAndClose = [&](const std::function<void(Tchat &)> &beforeClosing) {
        program = std::make_unique<TavlixProgram>(desktop, random, QStringList{"Ann", "127.0.0.1", "false"}, folder.path());
        program->setJoinPort(closedPort);
        program->show();
        QTest::qWait(200);
        EXPECT_FALSE(program->state().loggedin);
        beforeClosing(program->mainWindow());
        program->mainWindow().close();
        program.reset();
    };
    // Moving the window before login is not a stored preference.
    joinAndClose([](Tchat &window) { window.setBounds(QRect(100, 100, 900, 700)); });
    EXPECT_EQ(settingsFile(), stored);

    // A preference the player changes before login is written alone.
    joinAndClose([](Tchat &window) { window.item("Fast1")->trigger(); });
    QByteArray expected = stored;
    expected.replace("Botspeed=2000", "Botspeed=500");
    EXPECT_EQ(settingsFile(), expected);
}

TEST_F(ProgramTest, MenuChangesSaveAtOnceAndReachTheHost)
{
    startSoloAndLogIn();
    program->mainWindow().item("Fast1")->trigger();
    EXPECT_TRUE(keyLines(settingsFile()).contains("Botspeed=500"));
    program->mainWindow().item("PlaySounds1")->trigger();
    program->mainWindow().item("New1")->trigger();
    EXPECT_TRUE(keyLines(settingsFile()).contains("Playsounds=false"));
    EXPECT_TRUE(keyLines(settingsFile()).contains("Turnsound=1"));

    // The host asks the menu for the pause when a computer turn begins.
    TServer &server = program->server();
    HostProbe probe(server);
    probe.seat(2).playing = true;
    probe.setGameRunning(true);
    probe.setCurrentPlayer(1);
    server.game().findplayer();
    EXPECT_EQ(server.flow().computertimer().interval(), 500);
}

TEST_F(ProgramTest, AFailedSettingsWriteIsReportedAndTheChangeStays)
{
    startSoloAndLogIn();
    // Take the file's place with a folder so that writing it fails.
    QFile::remove(program->settingsPath());
    ASSERT_TRUE(QDir().mkdir(program->settingsPath()));
    desktop.clearRecords();
    program->mainWindow().item("Slow1")->trigger();
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0], "Unable to write to " + program->settingsPath());
    EXPECT_EQ(program->mainWindow().botspeed(), 2000);
}

TEST_F(ProgramTest, ChatTravelsThroughTheHostAndBack)
{
    startSoloAndLogIn();
    QLineEdit *input = program->mainWindow().findChild<QLineEdit *>("mychat");
    ASSERT_NE(input, nullptr);
    QTest::keyClicks(input, "hello + all");
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_TRUE(waitUntil([this] { return chatText().simplified().contains("You chats: hello + all"); }, 2000))
        << chatText().toStdString();
    EXPECT_TRUE(input->text().isEmpty());
}

TEST_F(ProgramTest, APastedNovelIsCutToTwoThousandCharactersAndKeepsTheConnection)
{
    startSoloAndLogIn();
    auto *input = program->mainWindow().findChild<QLineEdit *>("mychat");
    ASSERT_NE(input, nullptr);
    QGuiApplication::clipboard()->setText(QString(60000, QLatin1Char('w')));
    input->setFocus();
    QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(input->text().size(), 2000);
    QTest::keyClicks(input, "more");
    EXPECT_EQ(input->text().size(), 2000) << "typing stops at the limit";
    QTest::keyClick(input, Qt::Key_Return);
    const QString expected = "You chats: " + QString(2000, QLatin1Char('w'));
    EXPECT_TRUE(waitUntil([&] { return chatText().simplified().contains(expected); }, 2000));
    EXPECT_FALSE(chatText().contains(QString(2001, QLatin1Char('w'))));
    EXPECT_TRUE(program->mainWindow().isVisible());
    EXPECT_TRUE(program->server().seats()[1].inuse);
    QGuiApplication::clipboard()->clear();
}

TEST_F(ProgramTest, LosingTheConnectionClosesTheWindow)
{
    startSoloAndLogIn();
    bool finished = false;
    QObject::connect(program.get(), &TavlixProgram::finished, [&finished] { finished = true; });
    program->server().disconnectsock(1);
    EXPECT_TRUE(waitUntil([&finished] { return finished; }));
    EXPECT_FALSE(program->mainWindow().isVisible());
}

TEST_F(ProgramTest, ContentAboutAndSpyListOpenTheirWindowsWithoutModality)
{
    start({"Ann", "127.0.0.1"}); // no connection needed
    const struct { const char *item; const char *window; const char *caption; } cases[] = {
        {"Help2", "help", "Tavlix - Help File"},
        {"About1", "about", "Tavlix - About"},
        {"SpyList1", "spylist", "Tavlix - Spys"},
        {"ViewTally1", "tallylist", "Tavlix - Tally List"},
    };
    const auto find = [](const char *name) -> QWidget * {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name)
                return w;
        }
        return nullptr;
    };
    for (const auto &c : cases) {
        // The help and about windows are made when first opened.
        if (QWidget *before = find(c.window)) {
            EXPECT_FALSE(before->isVisible()) << c.window << " starts hidden";
        }
        program->mainWindow().item(c.item)->trigger();
        QWidget *window = find(c.window);
        ASSERT_NE(window, nullptr) << c.window;
        EXPECT_TRUE(window->isVisible()) << c.window;
        EXPECT_EQ(window->windowModality(), Qt::NonModal) << c.window;
        EXPECT_EQ(window->windowTitle(), c.caption);
    }
}

TEST_F(ProgramTest, TabReachesTheBoardFromTheChatLine)
{
    start();
    Tchat &window = program->mainWindow();
    QApplication::setActiveWindow(&window);
    QWidget *board = window.findChild<QWidget *>("paintbox_board");
    window.findChild<QWidget *>("mychat")->setFocus();
    bool reached = false;
    for (int step = 0; step < 60 && !reached && QApplication::focusWidget(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached = QApplication::focusWidget() == board;
    }
    EXPECT_TRUE(reached);
    // Ctrl+B goes there at once.
    window.findChild<QWidget *>("mychat")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), board);
}

TEST_F(ProgramTest, StartGameOpensTheDialogWhoseRoundsReachTheHostAndTheFile)
{
    startSoloAndLogIn();
    QWidget *start = program->mainWindow().panel()->findChild<QWidget *>("button_start");
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(start->isVisible()) << "the hosting window offers the start button";
    program->mainWindow().item("StartGame1")->trigger();
    ASSERT_TRUE(program->gamestart().isVisible());
    program->gamestart().UpDown1Click(1);
    program->gamestart().UpDown1Click(1);
    program->gamestart().button_startClick();
    EXPECT_FALSE(program->gamestart().isVisible());
    EXPECT_TRUE(keyLines(settingsFile()).contains("Roundnum=5"));

    QLabel *rounds = program->mainWindow().panel()->findChild<QLabel *>("label_numrounds");
    ASSERT_TRUE(waitUntil([rounds] { return rounds->text() == "Round: 1 of 5"; })) << rounds->text().toStdString();
    EXPECT_EQ(program->server().flow().numrounds(), 5);
    EXPECT_FALSE(start->isVisible());
    EXPECT_TRUE(program->mainWindow().item("StartGame1")->isEnabled()) << "the menu item stays enabled during a game";
    EXPECT_TRUE(chatText().contains("You have started a game."));
}

TEST_F(ProgramTest, JustWatchInASoloGamePlaysItselfToTheWinnerPanel)
{
    startSoloAndLogIn();
    program->gamestart().setRounds(1);
    program->gamestart().button_startClick();
    TServer &server = program->server();
    ASSERT_TRUE(waitUntil([&server] { return server.flow().gamerunning(); }));
    program->mainWindow().item("JustWatch1")->trigger();
    ASSERT_TRUE(waitUntil([this] { return program->mainWindow().item("JustWatch1")->isChecked(); }));
    EXPECT_TRUE(server.seats()[1].watching);

    // The host's pauses are run at once: its tick handlers are called
    // directly while the client keeps up over the loopback connection.
    QWidget *panel = program->mainWindow().panel()->findChild<QWidget *>("panel_winner");
    for (int step = 0; step < 20000 && server.flow().gamerunning(); ++step) {
        if (server.flow().computertimer().isActive())
            server.game().computertimerTimer();
        else if (server.flow().timer1().isActive())
            server.game().timer1Timer();
        QCoreApplication::processEvents();
    }
    ASSERT_FALSE(server.flow().gamerunning()) << "the game ends";
    ASSERT_TRUE(waitUntil([panel] { return panel->isVisible(); }));
    const int winnerSeat = server.seats()[1].score > server.seats()[2].score ? 1 : 2;
    const QString expected = winnerSeat == 1 ? "You have Won the Game!" : "Klot has Won the Game!";
    EXPECT_EQ(panel->findChild<QLabel *>("label_winner1")->text(), expected);
    EXPECT_GT(server.seats()[1].score + server.seats()[2].score, 0) << "both seats were played by the computer";
}

TEST_F(ProgramTest, ShowFittingCellsIsStoredAndReachesTheBoard)
{
    writeSettings("[Tavlix]\r\nShowfits=true\r\nHelp=2\r\n");
    startSoloAndLogIn();
    QAction *showFits = program->mainWindow().item("ShowFittingCells1");
    EXPECT_TRUE(showFits->isChecked());
    EXPECT_TRUE(program->boardPanel().showFits());
    showFits->trigger();
    EXPECT_FALSE(program->boardPanel().showFits());
    EXPECT_TRUE(keyLines(settingsFile()).contains("Showfits=false"));
}

TEST_F(ProgramTest, ComputerStrengthIsStoredAnnouncedToTheHostAndDisabledOnAJoiningCopy)
{
    writeSettings("[Tavlix]\r\nBotlevel=2\r\nHelp=2\r\n");
    startSoloAndLogIn();
    Tchat &window = program->mainWindow();
    EXPECT_TRUE(window.item("LevelStrong1")->isChecked());
    EXPECT_TRUE(window.item("ComputerStrength1")->isEnabled());
    program->gamestart().button_startClick();
    EXPECT_TRUE(waitUntil([this] { return chatText().contains("The computer plays Strong."); }));
    window.item("LevelExpert1")->trigger();
    EXPECT_FALSE(window.item("LevelStrong1")->isChecked());
    EXPECT_TRUE(keyLines(settingsFile()).contains("Botlevel=3"));
    program->gamestart().button_startClick();
    EXPECT_TRUE(waitUntil([this] { return chatText().contains("The computer plays Expert."); }));
    window.item("LevelClassic1")->trigger();
    EXPECT_FALSE(window.item("LevelExpert1")->isChecked());
    EXPECT_TRUE(keyLines(settingsFile()).contains("Botlevel=1"));

    program.reset();
    QTcpServer nobody;
    ASSERT_TRUE(nobody.listen(QHostAddress::LocalHost));
    const QString closedPort = QString::number(nobody.serverPort());
    nobody.close();
    program = std::make_unique<TavlixProgram>(desktop, random, QStringList{"Ann", "127.0.0.1", "false"}, folder.path());
    program->setJoinPort(closedPort);
    program->show();
    EXPECT_TRUE(waitUntil([this] { return !program->mainWindow().item("ComputerStrength1")->isEnabled(); }));
}

TEST_F(ProgramTest, PhrasesAndChatterSoundsComeBackFromTheHost)
{
    startSoloAndLogIn();
    program->mainWindow().findChild<QToolButton *>("b_phrase1")->click();
    EXPECT_TRUE(waitUntil([this] { return chatText().simplified().contains("You says: Way To Go!"); }, 2000))
        << chatText().toStdString();

    desktop.clearRecords();
    program->mainWindow().chatterSounds().popup()->actions().at(3)->trigger(); // "Hello"
    EXPECT_TRUE(waitUntil([this] { return desktop.sounds == QStringList{"wave3"}; }, 2000))
        << "the sender hears its own chatter sound";
}

TEST_F(ProgramTest, PhraseEditorDoneStoresAllNineAndAnEmptyOneLaterKeepsTheBuiltIn)
{
    startSoloAndLogIn();
    program->mainWindow().item("PrhaseList1")->trigger();
    Tphrases &editor = program->phrasesWindow();
    ASSERT_TRUE(editor.isVisible());
    editor.box(1)->setText(QString::fromUtf8("Caf\u00e9 time"));
    editor.box(4)->clear();
    editor.findChild<QPushButton *>("button_done")->click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(program->mainWindow().phraseButtons().phrase(4), "");

    const QStringList lines = keyLines(settingsFile());
    EXPECT_TRUE(lines.contains("Phrase4="));
    EXPECT_TRUE(lines.contains("Phrase9=Good Game Everyone!"));
    EXPECT_EQ(keys(settingsFile()).filter(QRegularExpression("^Phrase\\d$")).size(), 9);

    program->mainWindow().close();
    program.reset();
    startSoloAndLogIn();
    EXPECT_EQ(program->mainWindow().phraseButtons().phrase(1), QString::fromUtf8("Caf\u00e9 time"));
    EXPECT_EQ(program->mainWindow().phraseButtons().phrase(4), "Excellent!");
}

TEST_F(ProgramTest, FittingCellsFollowTheTurn)
{
    program = std::make_unique<TavlixProgram>(desktop, random, QStringList{}, folder.path());
    program->state().mynumber = 1;
    program->mainWindow().item("ShowFittingCells1")->setChecked(true);
    const auto handle = [this](const QByteArray &line) {
        program->connection().receivedlist().push(line);
        program->connection().processsocktimer();
    };
    const BoardView &board = *program->boardPanel().view();
    handle("CMD_showtiles+1+1+1+1+1+1");
    program->boardPanel().image_tile1Click(1);
    EXPECT_TRUE(board.fits().none()) << "raised before the turn comes";
    handle("CMD_nextplayer+1+");
    EXPECT_EQ(board.fits().count(), 90u);
    handle("CMD_roundend+");
    EXPECT_TRUE(board.fits().none());
}
