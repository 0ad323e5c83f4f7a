#include "roundview.h"

#include "botnames.h"
#include "clientconnection.h"
#include "protocol.h"
#include "roundart.h"
#include "theme.h"
#include "uitext.h"

#include <QLabel>
#include <QWidget>

namespace {

// Tops of the seat name labels (seats 1 to 6); the score labels share them,
// the bonus labels sit 3 pixels higher and the turn arrow 4.
constexpr int nameTops[] = {43, 66, 90, 113, 137, 160};
constexpr int eyesTops[] = {46, 68, 92, 116, 140, 164};
constexpr int turnLeft = 497;
const QColor popupSilver(192, 192, 192);

bool isPlayerSeat(int seat)
{
    return seat >= 1 && seat <= 6;
}

QLabel *plainLabel(const QString &name, const QString &text, const QRect &place, int pixels, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(place);
    label->setFont(Theme::arial(pixels, true));
    // Top-aligned: the bold font is as high as the label, and centring
    // would cut off the descenders.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

ElidedLabel *elidedLabel(const QString &name, const QString &text, const QRect &place, int pixels, QWidget *parent)
{
    auto *label = new ElidedLabel(QString(), parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(Theme::arial(pixels, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFullText(text);
    return label;
}

QString seatNumber(int n)
{
    return QString::number(n);
}

} // namespace

RoundView::RoundView(ClientState &state, QWidget *panelBoard, QWidget *backPanel, Hooks hooks, QObject *parent)
    : QObject(parent), m_state(state), m_hooks(std::move(hooks))
{
    createSeatControls(panelBoard);
    createBoardOverlays(backPanel);

    m_timerScore.setObjectName(QStringLiteral("timer_score"));
    m_timerScore.setInterval(700);
    connect(&m_timerScore, &QTimer::timeout, this, &RoundView::timer_scoreTimer);
}

void RoundView::createSeatControls(QWidget *panelBoard)
{
    for (int n = 1; n <= 6; ++n) {
        const int top = nameTops[n - 1];
        Seat &s = seat(n);
        s.name = elidedLabel("label_playername" + seatNumber(n), QString::fromLatin1(Waiting), QRect(522, top, 138, 18), 16, panelBoard);
        s.name->setProperty("tag", n);
        s.score = plainLabel("label_score" + seatNumber(n), QStringLiteral("0"), QRect(668, top, 54, 18), 16, panelBoard);
        s.bonus = plainLabel("label_bonus" + seatNumber(n), QString(), QRect(724, top - 3, 38, 16), 13, panelBoard);
        // A screen reader hears the name: the value with its seat's name
        // ("Ann: 3475 points"); the role is the description.
        UiText::set(s.score, staticMetaObject, QT_TR_NOOP("Score of seat %1"), UiText::Role::AccessibleDescription, {QString::number(n)});
        UiText::set(s.bonus, staticMetaObject, QT_TR_NOOP("Last points of seat %1"), UiText::Role::AccessibleDescription, {QString::number(n)});
        s.name->fullTextChanged = [this, n] { nameSeatValues(n); };
        UiText::onChange(s.score, 0, [this, n] { nameSeatValues(n); });

        auto *eyes = new WatchingEyes(panelBoard);
        eyes->setObjectName("image_eyes" + seatNumber(n));
        eyes->setGeometry(496, eyesTops[n - 1], 23, 10);
        UiText::set(eyes, staticMetaObject, QT_TR_NOOP("Seat %1 is just watching"), UiText::Role::AccessibleName, {QString::number(n)});
        UiText::set(eyes, staticMetaObject, QT_TR_NOOP("Just watching"), UiText::Role::ToolTip);
        eyes->hide();
        s.eyes = eyes;
    }

    m_turn = new TurnArrow(panelBoard);
    m_turn->setObjectName(QStringLiteral("image_Turn"));
    m_turn->setGeometry(turnLeft, nameTops[0] - 4, 27, 17);
    UiText::set(m_turn, staticMetaObject, QT_TR_NOOP("Turn arrow"), UiText::Role::AccessibleName);
    // The watching eyes of seat 1 share their corner with the arrow; the
    // eyes stay in front so a sitting-out player is always seen.
    for (Seat &s : m_seats)
        s.eyes->raise();

    m_status = elidedLabel(QStringLiteral("label_status"), QString(), QRect(4, 509, 477, 16), 13, panelBoard);
    setStatusText(QT_TR_NOOP("Welcome to Tavlix by Orvel Software"));
    m_status->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    //: For screen readers: what the line at the bottom of the board is
    UiText::set(m_status, staticMetaObject, QT_TR_NOOP("Status"), UiText::Role::AccessibleDescription);

    m_numrounds = elidedLabel(QStringLiteral("label_numrounds"), QString(), QRect(490, 189, 240, 16), 13, panelBoard);
    showText(m_numrounds, QT_TR_NOOP("Round: %1 of %2"), {QStringLiteral("0"), QStringLiteral("0")});
    UiText::set(m_numrounds, staticMetaObject, QT_TR_NOOP("Rounds"), UiText::Role::AccessibleDescription);
}

void RoundView::createBoardOverlays(QWidget *backPanel)
{
    m_scoreImage = new ScoreOval(backPanel);
    m_scoreImage->setObjectName(QStringLiteral("image_score"));
    m_scoreImage->setGeometry(372, 6, 108, 52);
    m_scoreImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    UiText::set(m_scoreImage, staticMetaObject, QT_TR_NOOP("Points scored"), UiText::Role::AccessibleName);
    m_scoreImage->hide();

    m_scoreLabel = plainLabel(QStringLiteral("label_score"), QStringLiteral("+200"), QRect(372, 20, 108, 22), 19, backPanel);
    m_scoreLabel->setAlignment(Qt::AlignCenter);
    m_scoreLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    UiText::set(m_scoreLabel, staticMetaObject, QT_TR_NOOP("Points scored"), UiText::Role::AccessibleDescription);
    QPalette silver = m_scoreLabel->palette();
    silver.setColor(QPalette::WindowText, popupSilver);
    m_scoreLabel->setPalette(silver);
    m_scoreLabel->hide();

    m_winnerPanel = new WinnerPlate(backPanel);
    m_winnerPanel->setObjectName(QStringLiteral("panel_winner"));
    m_winnerPanel->setGeometry(8, 168, 465, 41);
    m_winnerLabel = elidedLabel(QStringLiteral("label_winner1"), QString(), QRect(1, 10, 459, 27), 19, m_winnerPanel);
    showText(m_winnerLabel, QT_TR_NOOP("Winner!"));
    m_winnerLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_winnerLabel->setPalette(silver);
    m_winnerPanel->hide();

    m_start = new StartGameButton(backPanel);
    m_start->setObjectName(QStringLiteral("button_start"));
    m_start->setGeometry(173, 214, 142, 39);
    m_start->hide();
    connect(m_start, &QAbstractButton::clicked, this, &RoundView::button_startClick);
}

void RoundView::installHandlers(ClientConnection &connection)
{
    const auto bind = [&](const char *name, void (RoundView::*handler)(const QByteArray &)) {
        connection.setHandler(name, [this, handler](const QByteArray &body, int) { (this->*handler)(body); });
    };
    bind("CMD_justwatching", &RoundView::justwatching);
    bind("CMD_startgame", &RoundView::startthegame);
    bind("CMD_nextplayer", &RoundView::getnextplayer);
    bind("CMD_winner", &RoundView::winner);
    bind("CMD_roundstarting", &RoundView::roundstarting);
    bind("CMD_nomoves", &RoundView::nomoves);
    bind("CMD_roundend", &RoundView::roundend);
    bind("CMD_loadstats", &RoundView::loadstats);
}

void RoundView::setStatus(const QString &text)
{
    UiText::forget(m_status, 0);
    m_status->setFullText(text);
}

void RoundView::setStatusText(const char *source, const QStringList &arguments)
{
    showText(m_status, source, arguments);
}

void RoundView::showText(ElidedLabel *label, const char *source, const QStringList &arguments)
{
    UiText::bind(label, 0, [label](const QString &text) { label->setFullText(text); }, "RoundView", source, arguments);
}

QString RoundView::seatName(int n) const
{
    return isPlayerSeat(n) ? seat(n).name->fullText() : QString();
}

void RoundView::setSeatName(int n, const QString &name)
{
    if (isPlayerSeat(n))
        seat(n).name->setFullText(name);
}

void RoundView::setHostControls(bool hosting)
{
    m_start->setVisible(hosting);
    if (hosting)
        m_start->raise();
}

void RoundView::clearall()
{
    for (int n = 1; n <= 6; ++n)
        setSeatValues(n, QStringLiteral("0"), QString());
    if (m_hooks.clearBoard)
        m_hooks.clearBoard();
}

void RoundView::setSeatValues(int n, const QString &score, const QString &bonus)
{
    seat(n).score->setText(score);
    seat(n).bonus->setText(bonus);
    nameSeatValues(n);
}

void RoundView::nameSeatValues(int n)
{
    const Seat &s = seat(n);
    const QString name = s.name->fullText();
    //: A seat's score for screen readers: the player's name and the points
    s.score->setAccessibleName(tr("%1: %2 points").arg(name, s.score->text()));
    const QString bonus = s.bonus->text();
    //: For screen readers: %1 is a player's name, %2 the points of the last placement
    s.bonus->setAccessibleName(bonus.isEmpty() ? tr("%1: no last points").arg(name) : tr("%1: last points %2").arg(name, bonus));
}

void RoundView::hidePopup()
{
    m_scoreImage->hide();
    m_scoreLabel->hide();
}

void RoundView::startthegame(const QByteArray &body)
{
    wire::FieldReader reader(body);
    const QString name = wire::decodeText(reader.field());
    const int rounds = reader.num();

    m_timerScore.stop();
    hidePopup();
    m_start->hide();
    m_winnerPanel->hide();
    // The host ends every seat's sitting out when a game starts.
    m_justWatching = false;
    if (m_hooks.setJustWatchChecked)
        m_hooks.setJustWatchChecked(false);
    for (Seat &s : m_seats)
        s.eyes->hide();

    clearall();

    const bool mine = m_state.isPlayerSeat(m_state.mynumber) && seatName(m_state.mynumber) == name;
    m_hooks.addSystemLine(mine ? tr("You have started a game.") : tr("%1 has started a game.").arg(name));

    m_state.totalrounds = QString::number(rounds);
    showText(m_numrounds, QT_TR_NOOP("Round: %1 of %2"), {QStringLiteral("0"), m_state.totalrounds});

    // Seat 2 always plays, by the computer when nobody sits there.
    if (seatName(2) == QLatin1String(Waiting))
        setSeatName(2, QString::fromLatin1(botname(2)));
}

void RoundView::roundstarting(const QByteArray &body)
{
    wire::FieldReader reader(body);
    const int round = reader.num();

    showText(m_numrounds, QT_TR_NOOP("Round: %1 of %2"), {QString::number(round), m_state.totalrounds});
    // The score timer runs on until its own end; only the popup goes.
    hidePopup();
    m_state.canselect = true;
    if (m_hooks.clearBoard)
        m_hooks.clearBoard();
    if (m_hooks.clearHand)
        m_hooks.clearHand();
}

void RoundView::getnextplayer(const QByteArray &body)
{
    wire::FieldReader reader(body);
    const int s = reader.num();
    // The host gives the turn to player seats only; any other number would
    // point at no label and could let a spectator's board send placements.
    if (!isPlayerSeat(s))
        return;

    m_state.whoseturn = s;
    m_turn->move(turnLeft, nameTops[s - 1] - 4);
    const QString name = seatName(s);
    if (s == m_state.mynumber) {
        m_state.canselect = true;
        setStatusText(QT_TR_NOOP("Your Turn."));
        const bool newSound = m_hooks.turnSoundNew && m_hooks.turnSoundNew();
        m_hooks.playsounds(newSound ? QStringLiteral("turnnew") : QStringLiteral("turn"));
        if (m_hooks.windowActive && m_hooks.alert && !m_hooks.windowActive())
            m_hooks.alert();
    } else {
        setStatusText(QT_TR_NOOP("%1's turn."), {name});
    }
    // A seat still waiting for a player is played by the computer: from its
    // first turn on it shows the computer player's name.
    const QString computer = QString::fromLatin1(botname(s));
    if (name == QLatin1String(Waiting) && !computer.isEmpty())
        setSeatName(s, computer);
    //: For screen readers: whose turn it is
    m_turn->setAccessibleName(tr("Turn: %1").arg(seatName(s)));
}

void RoundView::nomoves(const QByteArray &body)
{
    wire::FieldReader reader(body);
    const int s = reader.num();
    if (!isPlayerSeat(s))
        return;
    if (s == m_state.mynumber)
        setStatusText(QT_TR_NOOP("You do not have a move."));
    else
        setStatusText(QT_TR_NOOP("%1 does not have a move."), {seatName(s)});
    m_hooks.playsounds(QStringLiteral("nomoves"));
}

void RoundView::roundend(const QByteArray &)
{
    m_state.whoseturn = 0;
    setStatusText(QT_TR_NOOP("No one has a move. Ending Round.."));
}

void RoundView::loadstats(const QByteArray &body)
{
    wire::FieldReader reader(body);
    reader.num(); // the receiving seat
    const int rounds = reader.num();
    const int round = reader.num();
    const int turn = reader.num();
    QList<std::pair<int, int>> scores;
    while (!reader.atEnd()) {
        const int s = reader.num();
        scores.append({s, reader.lastNum()});
    }

    if (turn == 0 || isPlayerSeat(turn))
        m_state.whoseturn = turn;
    for (const auto &[s, score] : scores) {
        if (isPlayerSeat(s))
            setSeatValues(s, QString::number(score), seat(s).bonus->text());
    }
    m_state.totalrounds = QString::number(rounds);
    showText(m_numrounds, QT_TR_NOOP("Round: %1 of %2"), {QString::number(round), m_state.totalrounds});
}

void RoundView::winner(const QByteArray &body)
{
    wire::FieldReader reader(body);
    const QString name = wire::decodeText(reader.fieldOrRest());

    m_timerScore.stop();
    hidePopup();
    m_hooks.playsounds(QStringLiteral("winner"));
    const bool player = m_state.isPlayerSeat(m_state.mynumber);
    const bool won = player && seatName(m_state.mynumber) == name;
    if (won)
        showText(m_winnerLabel, QT_TR_NOOP("You have Won the Game!"));
    else
        showText(m_winnerLabel, QT_TR_NOOP("%1 has Won the Game!"), {name});
    setStatusText(QT_TR_NOOP("Game Over!"));
    m_hooks.addSystemLine(m_winnerLabel->fullText());
    m_winnerPanel->setAccessibleName(m_winnerLabel->fullText());
    m_winnerPanel->show();
    m_winnerPanel->raise();
    if (m_state.ishost) {
        m_start->show();
        m_start->raise();
    }
    if (player && m_hooks.recordTally)
        m_hooks.recordTally(won, name);
}

void RoundView::showPlacement(int s, const QString &total, const QString &gain, int column, int row)
{
    if (!isPlayerSeat(s))
        return;
    for (int n = 1; n <= 6; ++n)
        setSeatValues(n, n == s ? total : seat(n).score->text(), QString());
    if (gain == QLatin1String("0"))
        return;
    m_scoreLabel->setText("+" + gain);
    setSeatValues(s, total, "+" + gain);
    if (s != m_state.mynumber || column < 0 || column > 9 || row < 0 || row > 8)
        return;
    // The popup sits over the placed cell, kept inside the board at the two
    // outer columns.
    const int left = column == 0 ? 4 : column == 9 ? 372 : 48 * column - 18;
    const int top = 48 * row;
    m_scoreImage->move(left, top);
    m_scoreLabel->move(left, top + 15);
    m_scoreImage->show();
    m_scoreLabel->show();
    m_scoreImage->raise();
    m_scoreLabel->raise();
    m_scoreTag = 1;
    m_timerScore.start();
}

void RoundView::timer_scoreTimer()
{
    --m_scoreTag;
    if (m_scoreTag < 0) {
        m_timerScore.stop();
        hidePopup();
    }
}

void RoundView::button_startClick()
{
    if (m_state.loggedin) {
        if (m_hooks.showGameStart)
            m_hooks.showGameStart();
    } else if (m_hooks.message) {
        m_hooks.message(tr("You are not connected"));
    }
}

void RoundView::setWatching(int s, bool watching)
{
    if (s == m_state.mynumber) {
        m_justWatching = watching;
        if (m_hooks.setJustWatchChecked)
            m_hooks.setJustWatchChecked(watching);
    }
    seat(s).eyes->setVisible(watching);
}

void RoundView::justwatching(const QByteArray &body)
{
    wire::FieldReader reader(body);
    const int s = reader.num();
    const QByteArray mode = reader.fieldOrRest();
    if (!isPlayerSeat(s))
        return;
    const bool watching = mode == "1";
    setWatching(s, watching);
    m_hooks.addSystemLine(watching ? tr("%1 is just watching").arg(seatName(s)) : tr("%1 is now playing again").arg(seatName(s)));
}

void RoundView::JustWatch1Click()
{
    if (!m_state.loggedin || !m_state.isPlayerSeat(m_state.mynumber) || !m_hooks.send)
        return;
    // The mark moves only when the host answers with CMD_justwatching.
    m_hooks.send(wire::client::justwatch(m_state.mynumber, m_justWatching ? 2 : 1));
}
