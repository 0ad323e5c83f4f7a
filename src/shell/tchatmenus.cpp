#include "tchat.h"

#include "botlevel.h"
#include "botspeed.h"
#include "language.h"

#include "uitext.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

namespace {

// Menu captions are the main window's texts; they follow the language.
QAction *addItem(QMenu *menu, const char *name, const char *caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    UiText::set(action, Tchat::staticMetaObject, caption);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QAction *addCheckItem(QMenu *menu, const char *name, const char *caption, bool checked)
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

    m_fileMenu = bar->addMenu(QString());
    UiText::set(m_fileMenu, staticMetaObject, QT_TR_NOOP("&File"));
    m_fileMenu->setObjectName(QStringLiteral("File1"));
    addItem(m_fileMenu, "StartGame1", QT_TR_NOOP("&Start Game"))->setEnabled(false);
    // Enabled while the meeting service has given the hosted table a code;
    // the program puts the code on the clipboard.
    addItem(m_fileMenu, "CopyInviteCode1", QT_TR_NOOP("Copy &Invite Code"))->setEnabled(false);
    m_fileMenu->addSeparator();
    connect(addItem(m_fileMenu, "Exit1", QT_TR_NOOP("E&xit")), &QAction::triggered, this, &Tchat::Exit1Click);

    m_optionsMenu = bar->addMenu(QString());
    UiText::set(m_optionsMenu, staticMetaObject, QT_TR_NOOP("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("Options1"));
    for (QAction *sw : {addCheckItem(m_optionsMenu, "PlaySounds1", QT_TR_NOOP("&Play Sounds"), true),
                        addCheckItem(m_optionsMenu, "PlayerPhraseSounds1", QT_TR_NOOP("Player P&hrase Sounds"), true)}) {
        connect(sw, &QAction::triggered, this, [this] {
            if (saveinifile)
                saveinifile();
        });
    }

    QMenu *turnSound = m_optionsMenu->addMenu(QString());
    UiText::set(turnSound, staticMetaObject, QT_TR_NOOP("&Turn Sound"));
    turnSound->menuAction()->setObjectName(QStringLiteral("TurnSound1"));
    m_turnSoundGroup = new QActionGroup(this);
    //: The game's original one: a turn sound, and a computer strength (one text for both)
    QAction *classic = addCheckItem(turnSound, "Classic1", QT_TR_NOOP("&Classic"), true);
    //: A turn sound: the newer recording
    QAction *newSound = addCheckItem(turnSound, "New1", QT_TR_NOOP("&New"), false);
    classic->setData(0);
    newSound->setData(1);
    for (QAction *choice : {classic, newSound}) {
        m_turnSoundGroup->addAction(choice);
        connect(choice, &QAction::triggered, this, [this] {
            if (saveinifile)
                saveinifile();
        });
    }

    QMenu *botSpeed = m_optionsMenu->addMenu(QString());
    UiText::set(botSpeed, staticMetaObject, QT_TR_NOOP("&Bot Speed"));
    botSpeed->menuAction()->setObjectName(QStringLiteral("BotSpeed1"));
    m_botSpeedGroup = new QActionGroup(this);
    const struct { const char *name; const char *caption; int speed; } speeds[] = {
        {"Slow1", QT_TR_NOOP("&Slow"), SlowBotSpeed}, {"Normal1", QT_TR_NOOP("&Normal"), NormalBotSpeed},
        {"Fast1", QT_TR_NOOP("&Fast"), FastBotSpeed}};
    for (const auto &speed : speeds) {
        QAction *choice = addCheckItem(botSpeed, speed.name, speed.caption,
                                       speed.speed == DefaultBotSpeed);
        choice->setData(speed.speed);
        m_botSpeedGroup->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, choice] { Fast1Click(choice); });
    }
    // The hosting copy's choice for every seat its computer plays; the
    // program disables it on a joining copy.
    QMenu *strength = m_optionsMenu->addMenu(QString());
    UiText::set(strength, staticMetaObject, QT_TR_NOOP("Computer &Strength"));
    strength->menuAction()->setObjectName(QStringLiteral("ComputerStrength1"));
    m_botLevelGroup = new QActionGroup(this);
    const struct { const char *name; const char *caption; BotLevel level; } levels[] = {
        {"LevelClassic1", QT_TR_NOOP("&Classic"), BotLevel::Classic},
        //: Computer strength
        {"LevelStrong1", QT_TR_NOOP("&Strong"), BotLevel::Strong},
        //: Computer strength
        {"LevelExpert1", QT_TR_NOOP("&Expert"), BotLevel::Expert}};
    for (const auto &level : levels) {
        QAction *choice = addCheckItem(strength, level.name, level.caption,
                                       level.level == DefaultBotLevel);
        choice->setData(static_cast<int>(level.level));
        m_botLevelGroup->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, choice] { LevelStrong1Click(choice); });
    }
    // Off by default; the program applies it to the board and saves it.
    addCheckItem(m_optionsMenu, "ShowFittingCells1", QT_TR_NOOP("Show &Fitting Cells"), false);
    // On by default; a hosting copy then asks the home router to open the
    // game's port. The program saves it and applies it at once.
    // Its letter is E: N belongs to Show on Network.
    addCheckItem(m_optionsMenu, "OpenPort1", QT_TR_NOOP("Op&en Port on Router"), true);
    // On by default; a hosting copy then shows its table to the launchers
    // on the local network. The program saves it and applies it at once.
    addCheckItem(m_optionsMenu, "ShowOnNetwork1", QT_TR_NOOP("Show on &Network"), true);
    // How a hosting copy uses the meeting service; saved as Online and
    // applied at once by the program.
    QMenu *online = m_optionsMenu->addMenu(QString());
    //: Submenu: whether a hosted table is shown to players on the internet
    UiText::set(online, staticMetaObject, QT_TR_NOOP("Play &Online"));
    online->menuAction()->setObjectName(QStringLiteral("PlayOnline1"));
    m_onlineGroup = new QActionGroup(this);
    const struct { const char *name; const char *caption; int mode; } modes[] = {
        //: Play Online: the table is not told to the lobby on the internet
        {"OnlineOff1", QT_TR_NOOP("&Off"), 0},
        //: Play Online: only players given the invite code find the table
        {"OnlineInvite1", QT_TR_NOOP("&Invite Only"), 1},
        //: Play Online: the table is listed for everyone on the internet
        {"OnlinePublic1", QT_TR_NOOP("&Public"), 2}};
    for (const auto &mode : modes) {
        QAction *choice = addCheckItem(online, mode.name, mode.caption, mode.mode == 1);
        choice->setData(mode.mode);
        m_onlineGroup->addAction(choice);
    }
    // Off at every start and never saved: a copy that hosts for others
    // enables it, and the program hands it to the host.
    // Its letter is K: L belongs to Language.
    addCheckItem(m_optionsMenu, "LockTable1", QT_TR_NOOP("Loc&k Table"), false)->setEnabled(false);

    m_optionsMenu->addSeparator();
    // Text Color, Text Size, Scroll Chat Off and Clear Main Chat belong to
    // the chat pane, which inserts them before this marker.
    QAction *chatItems = m_optionsMenu->addSeparator();
    chatItems->setObjectName(QStringLiteral("chatItemsEnd"));
    chatItems->setVisible(false);
    // The language of every window: the desktop's, or one chosen here. Each
    // language is listed by its own name, which no translation changes.
    QMenu *language = m_optionsMenu->addMenu(QString());
    UiText::set(language, staticMetaObject, QT_TR_NOOP("&Language"));
    language->menuAction()->setObjectName(QStringLiteral("Language1"));
    m_languageGroup = new QActionGroup(this);
    QAction *systemDefault = addCheckItem(language, "LanguageSystem1", QT_TR_NOOP("&System Default"), true);
    systemDefault->setData(QString());
    m_languageGroup->addAction(systemDefault);
    language->addSeparator();
    for (const Language::Choice &choice : Language::Choices) {
        QAction *item = language->addAction(QString::fromUtf8(choice.ownName));
        item->setObjectName(QStringLiteral("Language_%1").arg(QLatin1String(choice.code)));
        item->setCheckable(true);
        item->setData(QString::fromLatin1(choice.code));
        m_languageGroup->addAction(item);
    }
    for (QAction *item : m_languageGroup->actions())
        connect(item, &QAction::triggered, this, [this, item] { Language1Click(item); });
    connect(addItem(m_optionsMenu, "ResetScreenLocation1", QT_TR_NOOP("&Reset Screen Location")),
            &QAction::triggered, this, &Tchat::ResetScreenLocation1Click);
    m_optionsMenu->addSeparator();
    // The mark shows the own seat's watching state as the host last reported
    // it; a click only asks the host, so it does not move the mark itself.
    QAction *justWatch = addCheckItem(m_optionsMenu, "JustWatch1", QT_TR_NOOP("&Just Watch"), false);
    connect(justWatch, &QAction::triggered, justWatch, [justWatch](bool checked) { justWatch->setChecked(!checked); });

    m_viewMenu = bar->addMenu(QString());
    UiText::set(m_viewMenu, staticMetaObject, QT_TR_NOOP("&View"));
    m_viewMenu->setObjectName(QStringLiteral("View1"));
    addItem(m_viewMenu, "ViewTally1", QT_TR_NOOP("View &Tally"));
    addItem(m_viewMenu, "SpyList1", QT_TR_NOOP("&Spy List"));
    addItem(m_viewMenu, "PrhaseList1", QT_TR_NOOP("&Phrase List"));
    m_viewMenu->addSeparator();
    // Straight to the board from anywhere in the window (the chat line
    // included), instead of a dozen presses of Tab.
    addItem(m_viewMenu, "GoToBoard1", QT_TR_NOOP("Go to &Board"), QKeySequence(Qt::CTRL | Qt::Key_B));

    m_helpMenu = bar->addMenu(QString());
    UiText::set(m_helpMenu, staticMetaObject, QT_TR_NOOP("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("Help1"));
    addItem(m_helpMenu, "Help2", QT_TR_NOOP("&Content"), QKeySequence(Qt::Key_F1));
    connect(addItem(m_helpMenu, "QuickInstructions1", QT_TR_NOOP("&Quick Instructions"), QKeySequence(Qt::CTRL | Qt::Key_I)),
            &QAction::triggered, this, &Tchat::QuickInstructions1Click);
    m_helpMenu->addSeparator();
    addItem(m_helpMenu, "About1", QT_TR_NOOP("&About"));
}
