#include "lobbywindow.h"

#include "hostaddresses.h"
#include "invitecode.h"
#include "onlinegameslist.h"
#include "iniprofile.h"
#include "langameslist.h"
#include "portmapper.h"
#include "presence.h"
#include "routerclient.h"
#include "socketaddress.h"
#include "uitext.h"

#include <QAction>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const char *const LobbyWindow::Section = "OrvelLobby";
const char *const LobbyWindow::DefaultAddress = "127.0.0.1";

namespace {

QPushButton *addButton(QWidget *parent, const char *name, const char *text)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    UiText::set(button, LobbyWindow::staticMetaObject, text);
    UiText::set(button, LobbyWindow::staticMetaObject, text, UiText::Role::AccessibleName);
    return button;
}

QLineEdit *addEdit(QWidget *parent, const char *name, const char *accessibleName)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    UiText::set(edit, LobbyWindow::staticMetaObject, accessibleName, UiText::Role::AccessibleName);
    edit->setMaxLength(64);
    return edit;
}

} // namespace

LobbyWindow::LobbyWindow(const QString &gamePath, const QString &settingsPath, GameStarter starter, QWidget *parent)
    : QWidget(parent)
    , m_gamePath(gamePath)
    , m_settingsPath(settingsPath)
    , m_starter(std::move(starter))
    , m_presence(new PresenceListener(this))
{
    setObjectName(QStringLiteral("lobby"));
    UiText::set(this, staticMetaObject, QT_TR_NOOP("Orvel Lobby"), UiText::Role::WindowTitle);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(205, 156, 100));
    setPalette(look);
    setAutoFillBackground(true);

    m_name = addEdit(this, "edit_name", QT_TR_NOOP("Your name"));
    m_address = addEdit(this, "edit_address", QT_TR_NOOP("Host address"));
    m_address->setMaxLength(253); // the longest host name
    auto *nameLabel = new QLabel(this);
    UiText::set(nameLabel, staticMetaObject, QT_TR_NOOP("Your &name:"));
    nameLabel->setBuddy(m_name);
    auto *addressLabel = new QLabel(this);
    UiText::set(addressLabel, staticMetaObject, QT_TR_NOOP("Host &address:"));
    addressLabel->setBuddy(m_address);
    m_host = addButton(this, "button_host", QT_TR_NOOP("Host a game"));
    m_join = addButton(this, "button_join", QT_TR_NOOP("Join a game"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("label_status"));
    // A label offers assistive technology only its name: the name is the
    // status itself ("Game running"), the role its description.
    UiText::set(m_status, staticMetaObject, QT_TR_NOOP("Status"), UiText::Role::AccessibleDescription);
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setMinimumHeight(40);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("image_lobby"));
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/lobby.jpg")));
    picture->setFrameShape(QFrame::Box);
    picture->setFixedSize(162, 122);
    auto *title = new QLabel(this);
    UiText::set(title, staticMetaObject, QT_TR_NOOP("Play Tavlix with others"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(16);
    title->setFont(titleFont);
    auto *hint = new QLabel(this);
    UiText::set(hint, staticMetaObject,
                QT_TR_NOOP("To host, press \"Host a game\"; the others enter your address and "
                           "press \"Join a game\". The host must accept connections on TCP port "
                           "7772; the game asks the home router to open it."));
    hint->setWordWrap(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1, 1, 3);
    grid->addWidget(nameLabel, 1, 1);
    grid->addWidget(m_name, 1, 2, 1, 2);
    grid->addWidget(addressLabel, 2, 1);
    grid->addWidget(m_address, 2, 2, 1, 2);
    grid->addWidget(m_host, 3, 2);
    grid->addWidget(m_join, 3, 3);
    grid->addWidget(hint, 4, 0, 1, 4);
    grid->addWidget(m_status, 5, 0, 1, 4);

    m_addressBox = new QWidget(this);
    m_addressBox->setObjectName(QStringLiteral("panel_addresses"));
    m_addressGrid = new QGridLayout(m_addressBox);
    m_addressGrid->setContentsMargins(0, 0, 0, 0);
    m_addressGrid->setColumnStretch(0, 1);
    auto *shareTitle = new QLabel(m_addressBox);
    UiText::set(shareTitle, staticMetaObject, QT_TR_NOOP("Give the other players one of these addresses:"));
    m_addressGrid->addWidget(shareTitle, 0, 0, 1, 2);
    grid->addWidget(m_addressBox, 6, 0, 1, 4);
    m_addressBox->hide();
    setFixedWidth(520);

    const IniProfile profile(m_settingsPath.toStdString());
    const auto name = profile.readString(Section, "Name");
    m_name->setText(name ? QString::fromStdString(*name) : qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME")));
    const auto address = profile.readString(Section, "Address");
    m_address->setText(address && !address->empty() ? QString::fromStdString(*address)
                                                    : QString::fromLatin1(DefaultAddress));

    connect(m_host, &QPushButton::clicked, this, &LobbyWindow::button_hostClick);
    connect(m_join, &QPushButton::clicked, this, &LobbyWindow::button_joinClick);
    connect(m_presence, &PresenceListener::gamesChanged, this, &LobbyWindow::showGames);
}

LobbyWindow::~LobbyWindow() = default;

void LobbyWindow::setRouter(std::unique_ptr<RouterClient> router)
{
    m_router = std::move(router);
}

void LobbyWindow::showGamesAround(std::unique_ptr<GameBrowser> browser)
{
    if (m_games)
        return;
    m_games = new LanGamesList(std::move(browser), this);
    m_games->setFixedHeight(110);
    auto *label = new QLabel(this);
    UiText::set(label, staticMetaObject, QT_TR_NOOP("&Games on your network:"));
    label->setBuddy(m_games);
    auto *grid = static_cast<QGridLayout *>(layout());
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0, 1, 4);
    grid->addWidget(m_games, row + 1, 0, 1, 4);
    connect(m_games, &LanGamesList::chosen, m_address, &QLineEdit::setText);
    connect(m_games, &LanGamesList::joinRequested, this, [this](const QString &address) {
        m_address->setText(address);
        button_joinClick();
    });
    fitHeight();
}

void LobbyWindow::showOnlineGames(std::unique_ptr<OnlineDirectory> directory)
{
    if (m_onlineGames)
        return;
    m_onlineGames = new OnlineGamesList(std::move(directory), this);
    m_onlineGames->setFixedHeight(110);
    auto *label = new QLabel(tr("Games on the &internet:"), this);
    label->setBuddy(m_onlineGames);
    auto *grid = static_cast<QGridLayout *>(layout());
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0, 1, 4);
    grid->addWidget(m_onlineGames, row + 1, 0, 1, 4);
    connect(m_onlineGames, &OnlineGamesList::chosen, m_address, &QLineEdit::setText);
    connect(m_onlineGames, &OnlineGamesList::joinRequested, this, [this](const QString &code) {
        m_address->setText(code);
        button_joinClick();
    });
    // F5 asks the lobby again from anywhere in the window.
    auto *refresh = new QAction(this);
    refresh->setShortcut(QKeySequence(Qt::Key_F5));
    refresh->setShortcutContext(Qt::WindowShortcut);
    addAction(refresh);
    connect(refresh, &QAction::triggered, m_onlineGames, &OnlineGamesList::refresh);
    fitHeight();
}

void LobbyWindow::listenForGames(quint16 port)
{
    if (m_presence->listen(port)) {
        setStatus(tr("Ready: host a game, or join the game at the host address."));
        return;
    }
    setStatus(tr("Port %1 on 127.0.0.1 is in use (%2), so this window cannot tell whether the game "
                             "runs. Hosting and joining still work.")
                  .arg(port)
                  .arg(m_presence->errorText()));
}

void LobbyWindow::button_hostClick()
{
    startGame(true);
}

void LobbyWindow::button_joinClick()
{
    startGame(false);
}

QString LobbyWindow::statusText() const
{
    return m_status->text();
}

void LobbyWindow::startGame(bool host)
{
    // The game takes its parameters as given: a name with blanks travels as
    // one parameter, but blanks around it are only typing.
    const QString name = m_name->text().trimmed();
    QString address = m_address->text().trimmed();
    if (name.isEmpty()) {
        setStatus(tr("Please enter your name."));
        m_name->setFocus();
        return;
    }
    // A joining player's typo in an address ("192.168.1.300") is caught
    // here, where it can be mended; a hosting player's address is not used.
    const bool malformed = !host && SocketAddress::meantAsLiteral(address) && !SocketAddress::fromLiteral(address);
    if (address.isEmpty() || address.contains(QLatin1Char(' ')) || address.contains(QLatin1Char('\t')) || malformed) {
        setStatus(tr("Please enter the host's address: a host name, or an address such as 192.168.1.20 "
                                 "or 2001:db8::20."));
        m_address->setFocus();
        return;
    }

    // An invite code goes to the game in its written form.
    if (!host && address.startsWith(QLatin1Char('+'))) {
        const std::optional<QString> code = InviteCode::parse(address);
        if (!code) {
            setStatus(tr("An invite code is a \"+\" and 8 letters and digits, such as +K7QX-M2PA."));
            m_address->setFocus();
            return;
        }
        address = *code;
    }

    const QStringList parameters{name, address, host ? QStringLiteral("true") : QStringLiteral("false")};
    if (!m_starter(m_gamePath, parameters)) {
        setStatus(tr("Could not start the game (%1).").arg(m_gamePath));
        return;
    }
    m_hosting = host;
    QString status = host ? tr("Starting the game: hosting as %1.").arg(name)
                          : tr("Starting the game: joining %1 as %2.").arg(address, name);
    if (!m_presence->isListening())
        status += QLatin1Char(' ') + tr("This window cannot show whether it runs: the presence port is in use.");
    try {
        const IniProfile profile(m_settingsPath.toStdString());
        profile.writeString(Section, "Name", name.toStdString());
        profile.writeString(Section, "Address", address.toStdString());
    } catch (const IniWriteError &e) {
        status += QLatin1Char(' ') + tr("Unable to write to %1").arg(QString::fromStdString(e.path()));
    }
    setStatus(status);
}

void LobbyWindow::showGames(int games)
{
    setStatus(games > 0 ? tr("Game running") : tr("Game ended"));
    showAddresses(games > 0 && m_hosting);
}

void LobbyWindow::showAddresses(bool shown)
{
    // Rows 1 and below are addresses; row 0 is the title.
    while (m_addressGrid->count() > 1) {
        QLayoutItem *row = m_addressGrid->takeAt(1);
        delete row->widget();
        delete row;
    }
    m_shared.clear();
    m_addressBox->setVisible(shown);
    fitHeight();
    if (!shown)
        return;
    for (const QString &address : networkAddresses())
        addAddress(tr("On your network:"), address);
    // Each device of a home has a global IPv6 address of its own, which
    // players with IPv6 reach where the router lets them in (the game asks
    // it to).
    for (const QString &address : globalIPv6Addresses())
        addAddress(tr("Over IPv6:"), address);
    if (m_router && !m_routerLookup) {
        m_routerLookup = std::make_unique<PortMapper>(std::move(m_router));
        connect(m_routerLookup.get(), &PortMapper::publicAddressFound, this, [this](const QString &address) {
            if (m_addressBox->isVisibleTo(this) && !m_shared.contains(address))
                addAddress(tr("On the internet:"), address);
        });
    }
    if (m_routerLookup)
        m_routerLookup->lookupPublicAddress();
}

void LobbyWindow::fitHeight()
{
    // The window grows or shrinks by the rows (its width is fixed), once
    // the layouts have taken the change in.
    QMetaObject::invokeMethod(this, &QWidget::adjustSize, Qt::QueuedConnection);
}

void LobbyWindow::addAddress(const QString &where, const QString &address)
{
    const int row = static_cast<int>(m_shared.size()) + 1;
    m_shared << address;
    auto *label = new QLabel(where + QLatin1Char(' ') + address, m_addressBox);
    label->setObjectName(QStringLiteral("label_address%1").arg(row));
    label->setAccessibleName(label->text());
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *copy = addButton(m_addressBox, "button_copy", QT_TR_NOOP("Copy"));
    copy->setObjectName(QStringLiteral("button_copy%1").arg(row));
    UiText::set(copy, staticMetaObject, QT_TR_NOOP("Copy %1"), UiText::Role::AccessibleName, {address});
    connect(copy, &QPushButton::clicked, this, [address] { QGuiApplication::clipboard()->setText(address); });
    m_addressGrid->addWidget(label, row, 0);
    m_addressGrid->addWidget(copy, row, 1);
    fitHeight();
}

void LobbyWindow::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->setAccessibleName(text);
}
