#include "program.h"

#include "boardpanel.h"
#include "boardview.h"
#include "chatpane.h"
#include "chattersounds.h"
#include "clientconnection.h"
#include "desktop.h"
#include "language.h"
#include "iniprofile.h"
#include "lanpublisher.h"
#include "lobbyregistration.h"
#include "phrasebuttons.h"
#include "portmapper.h"
#include "playerlist.h"
#include "protocol.h"
#include "randomsource.h"
#include "roundview.h"
#include "smallwindows.h"
#include "storagepaths.h"
#include "tavlixsettings.h"
#include "tchat.h"
#include "tdownload.h"
#include "tphrases.h"
#include "tserver.h"
#include "tspylist.h"
#include "ttallylist.h"

#include "wirelines.h"
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>

namespace {

QString inFolder(const QString &folder, const char *name)
{
    return QDir(folder).filePath(QString::fromLatin1(name));
}

} // namespace

TavlixProgram::TavlixProgram(Desktop &desktop, RandomSource &random, const QStringList &parameters,
                             const QString &storageFolder, QObject *parent)
    : QObject(parent)
    , m_desktop(desktop)
    , m_random(random)
    , m_parameters(parameters)
    , m_settingsPath(inFolder(storageFolder, SettingsFileName))
    , m_tallyPath(inFolder(storageFolder, TallyFileName))
    , m_rounds(Tgamestart::DefaultRounds)
{
    // The language comes first, so every window is made in it; the other
    // settings wait for the login.
    const QString language = QString::fromStdString(readTavlixSettings(IniProfile(m_settingsPath.toStdString())).Language);
    Language::apply(language);
    createWindows();
    m_chat->setLanguage(language);
    wireMainWindow();
    wireConnection();
    wireBoard();
    wireRoundView();
    wirePlayerList();
    wireOnline();
    m_builtInSettings = shownSettings();
}

TavlixProgram::~TavlixProgram()
{
    m_portMapper.reset();
    m_lanPublisher.reset();
    m_lobby.reset();
    // The connection and the host go first, while the windows they talk to
    // still exist; they then close their sockets without telling anyone.
    delete m_connection;
    m_connection = nullptr;
    m_server.reset();
}

void TavlixProgram::createWindows()
{
    m_chat = std::make_unique<Tchat>(m_state, m_desktop, m_random);
    m_chatPane = &m_chat->chatPane();
    m_server = std::make_unique<TServer>(m_random);
    // The tally and the spy list hold data from the start (the tally file,
    // the watchers as they arrive), so they are made now.
    m_tally = std::make_unique<Ttallylist>(m_tallyPath, m_desktop, m_chat.get());
    m_spylist = std::make_unique<Tspylist>(m_chat.get());
}

Tabout &TavlixProgram::about()
{
    if (!m_about)
        m_about = std::make_unique<Tabout>(m_desktop, m_chat.get());
    return *m_about;
}

Thelp &TavlixProgram::help()
{
    if (!m_help) {
        m_help = std::make_unique<Thelp>(m_chat.get());
        m_help->showAbout = [this] { about().showCentred(); };
    }
    return *m_help;
}

Tgamestart &TavlixProgram::gamestart()
{
    if (!m_gamestart) {
        m_gamestart = std::make_unique<Tgamestart>(m_chat.get());
        m_gamestart->setRounds(m_rounds);
        m_gamestart->onStart = [this](int rounds) {
            m_connection->send(wire::client::startgame(wire::encodeText(m_state.playername), QByteArray::number(rounds)));
        };
        m_gamestart->saveinifile = [this] { saveinifile(); };
    }
    return *m_gamestart;
}

Tdownload &TavlixProgram::download()
{
    if (!m_download) {
        m_download = std::make_unique<Tdownload>(m_desktop, QFileInfo(m_settingsPath).path(),
                                                 QCoreApplication::applicationDirPath(), m_chat.get());
        // Once the installer or the launcher has started, the game ends as
        // through File > Exit, after the download window's event has finished.
        m_download->onExit = [this] {
            QMetaObject::invokeMethod(m_chat.get(), &Tchat::Exit1Click, Qt::QueuedConnection);
        };
    }
    return *m_download;
}

Tphrases &TavlixProgram::phrasesWindow()
{
    if (!m_phrasesWindow) {
        m_phrasesWindow = std::make_unique<Tphrases>(m_chat.get());
        m_phrasesWindow->onDone = [this](const std::array<QString, 9> &texts) { return storePhrases(texts); };
    }
    return *m_phrasesWindow;
}

void TavlixProgram::wireMainWindow()
{
    Tchat &chat = *m_chat;
    // The host asks for the bot speed at every computer turn; before the
    // settings are read the menu's value is 0, and the host then uses the
    // default speed.
    m_server->setBotSpeedProvider([&chat] { return chat.botspeed(); });
    // and for the strength at every computer move, like the speed.
    m_server->setBotLevelProvider([&chat] { return chat.botlevel(); });

    chat.saveinifile = [this] { saveinifile(); };
    chat.onFirstShow = [this] {
        m_connection->processparams(m_parameters);
        m_desktop.preloadSounds();
    };
    chat.onClosing = [this] {
        // The window goes and the tally is written before the network is
        // waited for: a slow router or Avahi daemon must not hold a window
        // that looks frozen, nor the tally. The table leaves the network's
        // lists and the router's port closes with the game; both waits are
        // bounded, and the router's comes when the program is taken down.
        m_chat->hide();
        m_tally->saveTally();
        if (m_lanPublisher)
            m_lanPublisher->finish();
        if (m_lobby)
            m_lobby->withdraw();
        if (m_portMapper)
            m_portMapper->close();
    };
    connect(&chat, &Tchat::closed, this, &TavlixProgram::finished);

    connect(chat.item(QStringLiteral("PrhaseList1")), &QAction::triggered, this,
            [this] { phrasesWindow().open(m_chat->phraseButtons().phrases()); });
    connect(chat.item(QStringLiteral("SpyList1")), &QAction::triggered, m_spylist.get(), &GameWindow::showCentred);
    connect(chat.item(QStringLiteral("About1")), &QAction::triggered, this, [this] { about().showCentred(); });
    connect(chat.item(QStringLiteral("Help2")), &QAction::triggered, this, [this] { help().showCentred(); });

    // The tally reads the current game's players from the seat labels (the
    // round view, wired below).
    m_tally->ownSeat = [this] { return m_state.mynumber; };
    m_tally->seatName = [this](int seat) { return m_roundView->seatName(seat); };
    connect(chat.item(QStringLiteral("ViewTally1")), &QAction::triggered, m_tally.get(), &Ttallylist::ViewTally1Click);
}

void TavlixProgram::wireConnection()
{
    ClientConnection::Hooks hooks;
    hooks.startHost = [this](bool forOthers) {
        m_server->setLoopbackOnly(!forOthers);
        m_server->startHosting();
    };
    hooks.addSystemLine = [this](const QString &line) { addSystemLine(line); };
    hooks.showDownloadWindow = [this] { download().showCentred(); };
    hooks.setHostControls = [this](bool hosting) {
        m_chat->item(QStringLiteral("StartGame1"))->setEnabled(hosting);
        // Only the hosting copy's computer plays seats.
        m_chat->item(QStringLiteral("ComputerStrength1"))->setEnabled(hosting);
        m_roundView->setHostControls(hosting);
        m_spylist->setHostControls(hosting);
    };
    hooks.message = [this](const QString &text) { m_desktop.message(m_chat.get(), text); };
    // The window closes after the event that asked for it has finished, so
    // no socket handler runs on a window that is going away.
    hooks.closeMainWindow = [this] {
        QMetaObject::invokeMethod(m_chat.get(), &QWidget::close, Qt::QueuedConnection);
    };
    hooks.hostingForOthers = [this] {
        m_hostsForOthers = true;
        m_chat->item(QStringLiteral("LockTable1"))->setEnabled(true);
    };
    // Asked when the player joins by invite code, before the settings are
    // read at login.
    hooks.lobbyServer = [this] {
        return QString::fromStdString(readTavlixSettings(IniProfile(m_settingsPath.toStdString())).Lobbyserver);
    };
    m_connection = new ClientConnection(m_state, std::move(hooks), m_chat.get());
    // The host knows its own player's connection by the socket this copy
    // opened, not by the loopback address a tunnel gives every stranger.
    m_server->setOwnClient([this](const SocketAddress &peer) {
        return m_connection && m_connection->sock()->IsLocalEnd(peer);
    });

    m_chatPane->setSender([this](const QByteArray &message) { m_connection->send(message); });
    m_chat->phraseButtons().setPhraseLock([this] { return m_connection->phrasesLocked(); },
                                          [this] { m_connection->lockPhrases(); });
    m_connection->setHandler("CMD_playasound",
                             [this](const QByteArray &body, int) { m_chat->chatterSounds().playasound(body); });
    for (const char *name : {"CMD_chat", "CMD_action"})
        m_connection->setHandler(name, [this](const QByteArray &body, int) { m_chatPane->chatrecieved(body); });
}

void TavlixProgram::wireBoard()
{
    BoardPanel::Hooks hooks;
    hooks.send = [this](const QByteArray &message) { m_connection->send(message); };
    hooks.playsounds = [this](const QString &name) { m_chat->playsounds(name); };
    // The status line and the scores belong to the round view, created
    // right after the board.
    hooks.setStatus = [this](const QString &text) { m_roundView->setStatus(text); };
    hooks.placementShown = [this](int seat, const QString &total, const QString &gain, int column, int row) {
        m_roundView->showPlacement(seat, total, gain, column, row);
    };
    m_boardPanel = new BoardPanel(m_state, m_chat->panel(), std::move(hooks), m_chat.get());

    m_connection->setHandler("CMD_showtiles", [this](const QByteArray &body, int) { m_boardPanel->showtiles(body); });
    m_connection->setHandler("CMD_heplace", [this](const QByteArray &body, int) { m_boardPanel->heplace(body); });
    m_connection->setHandler("CMD_anerror", [this](const QByteArray &body, int) { m_boardPanel->anerror(body); });
    m_connection->setHandler("CMD_loadboard", [this](const QByteArray &body, int) { m_boardPanel->loadboard(body); });

    connect(m_chat->item(QStringLiteral("GoToBoard1")), &QAction::triggered, m_boardPanel,
            [this] { m_boardPanel->view()->setFocus(Qt::ShortcutFocusReason); });

    QAction *showFits = m_chat->item(QStringLiteral("ShowFittingCells1"));
    connect(showFits, &QAction::toggled, m_boardPanel, &BoardPanel::setShowFits);
    connect(showFits, &QAction::triggered, this, [this] { saveinifile(); });
    connect(m_chat->item(QStringLiteral("OpenPort1")), &QAction::triggered, this, [this] {
        saveinifile();
        updatePortMapping();
    });
    connect(m_chat->item(QStringLiteral("LockTable1")), &QAction::triggered, this, [this](bool locked) {
        m_server->setTableLocked(locked);
        addSystemLine(locked ? tr("The table is locked: nobody new can join.") : tr("The table is open again."));
    });
    // Who the host turned away, told to the hosting player only.
    connect(m_server.get(), &TServer::notice, this,
            [this](const QString &line) { addSystemLine(WireLines::hostNotice(line)); });
    connect(m_chat->item(QStringLiteral("ShowOnNetwork1")), &QAction::triggered, this, [this] {
        saveinifile();
        updateLanAnnouncement();
    });
}

void TavlixProgram::wireRoundView()
{
    RoundView::Hooks hooks;
    hooks.clearBoard = [this] { m_boardPanel->clearBoard(); };
    hooks.clearHand = [this] { m_boardPanel->clearHand(); };
    hooks.playsounds = [this](const QString &name) { m_chat->playsounds(name); };
    hooks.addSystemLine = [this](const QString &line) { addSystemLine(line); };
    hooks.send = [this](const QByteArray &message) { m_connection->send(message); };
    hooks.showGameStart = [this] { gamestart().showCentred(); };
    hooks.message = [this](const QString &text) { m_desktop.message(m_chat.get(), text); };
    hooks.turnSoundNew = [this] { return m_chat->item(QStringLiteral("New1"))->isChecked(); };
    hooks.setJustWatchChecked = [this](bool checked) { m_chat->item(QStringLiteral("JustWatch1"))->setChecked(checked); };
    hooks.windowActive = [this] { return m_chat->isActiveWindow(); };
    hooks.alert = [this] { QApplication::alert(m_chat.get()); };
    hooks.recordTally = [this](bool thisPlayerWon, const QString &winner) { m_tally->addgame(thisPlayerWon, winner); };
    m_roundView = new RoundView(m_state, m_chat->panel(), m_boardPanel->backPanel(), std::move(hooks), m_chat.get());
    m_roundView->installHandlers(*m_connection);
    // The fitting cells follow the turn: the messages that move it go to the
    // round view first, then the board redraws its frames.
    m_connection->setHandler("CMD_nextplayer", [this](const QByteArray &body, int) {
        m_roundView->getnextplayer(body);
        m_boardPanel->refreshFits();
    });
    m_connection->setHandler("CMD_roundend", [this](const QByteArray &body, int) {
        m_roundView->roundend(body);
        m_boardPanel->refreshFits();
    });
    // The hosting player learns how its computer plays; nothing goes to the
    // other seats.
    m_connection->setHandler("CMD_startgame", [this](const QByteArray &body, int) {
        m_roundView->startthegame(body);
        const BotLevel level = m_chat->botlevel();
        if (m_state.ishost && level != BotLevel::Classic)
            m_chatPane->addlinetochat(QStringLiteral("0+")
                                          + (level == BotLevel::Expert ? tr("The computer plays Expert.")
                                                                       : tr("The computer plays Strong.")),
                                      m_state.systemcolor);
    });
    m_connection->setHandler("CMD_loadstats", [this](const QByteArray &body, int) {
        m_roundView->loadstats(body);
        m_boardPanel->refreshFits();
    });
    m_roundView->clearall();

    connect(m_chat->item(QStringLiteral("StartGame1")), &QAction::triggered, m_roundView, &RoundView::button_startClick);
    connect(m_chat->item(QStringLiteral("JustWatch1")), &QAction::triggered, m_roundView, &RoundView::JustWatch1Click);

}

void TavlixProgram::wirePlayerList()
{
    PlayerList::Hooks hooks;
    hooks.addSystemLine = [this](const QString &line) { addSystemLine(line); };
    hooks.playsounds = [this](const QString &name) { m_chat->playsounds(name); };
    hooks.send = [this](const QByteArray &message) { m_connection->send(message); };
    // The settings are read when the host announces this client itself.
    hooks.ownArrival = [this] {
        loadinifile();
        announceHosting();
        updateLanAnnouncement();
        updateOnline();
    };
    m_playerList = new PlayerList(m_state, m_chat->panel(), *m_spylist, std::move(hooks), m_chat.get());
    m_playerList->installHandlers(*m_connection);
}

void TavlixProgram::addSystemLine(const QString &line)
{
    m_chatPane->addlinetochat("0+" + line, m_state.systemcolor);
}

void TavlixProgram::setHostPort(const QString &port)
{
    m_server->setPortName(port);
    m_hostPort = port.toUShort();
}

void TavlixProgram::setJoinPort(const QString &port)
{
    m_connection->sock()->setPortName(port);
}

void TavlixProgram::show()
{
    m_chat->show();
}
