#include "tchat.h"

#include "botlevel.h"
#include "botspeed.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

namespace {

QAction *addItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QAction *addCheckItem(QMenu *menu, const char *name, const QString &caption, bool checked)
{
    QAction *action = addItem(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

} // namespace

void Tchat::createMenus()
{
    QMenuBar *bar = menuBar();

    m_fileMenu = bar->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("File1"));
    addItem(m_fileMenu, "StartGame1", QStringLiteral("&Start Game"))->setEnabled(false);
    // Enabled while the meeting service has given the hosted table a code;
    // the program puts the code on the clipboard.
    addItem(m_fileMenu, "CopyInviteCode1", tr("Copy &Invite Code"))->setEnabled(false);
    m_fileMenu->addSeparator();
    connect(addItem(m_fileMenu, "Exit1", QStringLiteral("E&xit")), &QAction::triggered, this, &Tchat::Exit1Click);

    m_optionsMenu = bar->addMenu(QStringLiteral("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("Options1"));
    for (QAction *sw : {addCheckItem(m_optionsMenu, "PlaySounds1", QStringLiteral("&Play Sounds"), true),
                        addCheckItem(m_optionsMenu, "PlayerPhraseSounds1", QStringLiteral("Player P&hrase Sounds"), true)}) {
        connect(sw, &QAction::triggered, this, [this] {
            if (saveinifile)
                saveinifile();
        });
    }

    QMenu *turnSound = m_optionsMenu->addMenu(QStringLiteral("&Turn Sound"));
    turnSound->menuAction()->setObjectName(QStringLiteral("TurnSound1"));
    m_turnSoundGroup = new QActionGroup(this);
    QAction *classic = addCheckItem(turnSound, "Classic1", QStringLiteral("&Classic"), true);
    QAction *newSound = addCheckItem(turnSound, "New1", QStringLiteral("&New"), false);
    classic->setData(0);
    newSound->setData(1);
    for (QAction *choice : {classic, newSound}) {
        m_turnSoundGroup->addAction(choice);
        connect(choice, &QAction::triggered, this, [this] {
            if (saveinifile)
                saveinifile();
        });
    }

    QMenu *botSpeed = m_optionsMenu->addMenu(QStringLiteral("&Bot Speed"));
    botSpeed->menuAction()->setObjectName(QStringLiteral("BotSpeed1"));
    m_botSpeedGroup = new QActionGroup(this);
    const struct { const char *name; const char *caption; int speed; } speeds[] = {
        {"Slow1", "&Slow", SlowBotSpeed}, {"Normal1", "&Normal", NormalBotSpeed}, {"Fast1", "&Fast", FastBotSpeed}};
    for (const auto &speed : speeds) {
        QAction *choice = addCheckItem(botSpeed, speed.name, QString::fromLatin1(speed.caption),
                                       speed.speed == DefaultBotSpeed);
        choice->setData(speed.speed);
        m_botSpeedGroup->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, choice] { Fast1Click(choice); });
    }
    // The hosting copy's choice for every seat its computer plays; the
    // program disables it on a joining copy.
    QMenu *strength = m_optionsMenu->addMenu(QStringLiteral("Computer &Strength"));
    strength->menuAction()->setObjectName(QStringLiteral("ComputerStrength1"));
    m_botLevelGroup = new QActionGroup(this);
    const struct { const char *name; const char *caption; BotLevel level; } levels[] = {
        {"LevelClassic1", "&Classic", BotLevel::Classic}, {"LevelStrong1", "&Strong", BotLevel::Strong},
        {"LevelExpert1", "&Expert", BotLevel::Expert}};
    for (const auto &level : levels) {
        QAction *choice = addCheckItem(strength, level.name, QString::fromLatin1(level.caption),
                                       level.level == DefaultBotLevel);
        choice->setData(static_cast<int>(level.level));
        m_botLevelGroup->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, choice] { LevelStrong1Click(choice); });
    }
    // Off by default; the program applies it to the board and saves it.
    addCheckItem(m_optionsMenu, "ShowFittingCells1", QStringLiteral("Show &Fitting Cells"), false);
    // On by default; a hosting copy then asks the home router to open the
    // game's port. The program saves it and applies it at once.
    // Its letter is E: N belongs to Show on Network.
    addCheckItem(m_optionsMenu, "OpenPort1", QStringLiteral("Op&en Port on Router"), true);
    // On by default; a hosting copy then shows its table to the launchers
    // on the local network. The program saves it and applies it at once.
    addCheckItem(m_optionsMenu, "ShowOnNetwork1", QStringLiteral("Show on &Network"), true);
    // How a hosting copy uses the meeting service; saved as Online and
    // applied at once by the program.
    QMenu *online = m_optionsMenu->addMenu(tr("Play &Online"));
    online->menuAction()->setObjectName(QStringLiteral("PlayOnline1"));
    m_onlineGroup = new QActionGroup(this);
    const struct { const char *name; const char *caption; int mode; } modes[] = {
        {"OnlineOff1", QT_TR_NOOP("&Off"), 0},
        {"OnlineInvite1", QT_TR_NOOP("&Invite Only"), 1},
        {"OnlinePublic1", QT_TR_NOOP("&Public"), 2}};
    for (const auto &mode : modes) {
        QAction *choice = addCheckItem(online, mode.name, tr(mode.caption), mode.mode == 1);
        choice->setData(mode.mode);
        m_onlineGroup->addAction(choice);
    }
    // Off at every start and never saved: a copy that hosts for others
    // enables it, and the program hands it to the host.
    addCheckItem(m_optionsMenu, "LockTable1", QStringLiteral("&Lock Table"), false)->setEnabled(false);

    m_optionsMenu->addSeparator();
    // Text Color, Text Size, Scroll Chat Off and Clear Main Chat belong to
    // the chat pane, which inserts them before this marker.
    QAction *chatItems = m_optionsMenu->addSeparator();
    chatItems->setObjectName(QStringLiteral("chatItemsEnd"));
    chatItems->setVisible(false);
    connect(addItem(m_optionsMenu, "ResetScreenLocation1", QStringLiteral("&Reset Screen Location")),
            &QAction::triggered, this, &Tchat::ResetScreenLocation1Click);
    m_optionsMenu->addSeparator();
    // The mark shows the own seat's watching state as the host last reported
    // it; a click only asks the host, so it does not move the mark itself.
    QAction *justWatch = addCheckItem(m_optionsMenu, "JustWatch1", QStringLiteral("&Just Watch"), false);
    connect(justWatch, &QAction::triggered, justWatch, [justWatch](bool checked) { justWatch->setChecked(!checked); });

    m_viewMenu = bar->addMenu(QStringLiteral("&View"));
    m_viewMenu->setObjectName(QStringLiteral("View1"));
    addItem(m_viewMenu, "ViewTally1", QStringLiteral("View &Tally"));
    addItem(m_viewMenu, "SpyList1", QStringLiteral("&Spy List"));
    addItem(m_viewMenu, "PrhaseList1", QStringLiteral("&Phrase List"));
    m_viewMenu->addSeparator();
    // Straight to the board from anywhere in the window (the chat line
    // included), instead of a dozen presses of Tab.
    addItem(m_viewMenu, "GoToBoard1", QStringLiteral("Go to &Board"), QKeySequence(Qt::CTRL | Qt::Key_B));

    m_helpMenu = bar->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("Help1"));
    addItem(m_helpMenu, "Help2", QStringLiteral("&Content"), QKeySequence(Qt::Key_F1));
    connect(addItem(m_helpMenu, "QuickInstructions1", QStringLiteral("&Quick Instructions"), QKeySequence(Qt::CTRL | Qt::Key_I)),
            &QAction::triggered, this, &Tchat::QuickInstructions1Click);
    m_helpMenu->addSeparator();
    addItem(m_helpMenu, "About1", QStringLiteral("&About"));
}
