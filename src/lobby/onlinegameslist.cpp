#include "onlinegameslist.h"

#include "invitecode.h"
#include "lobbylink.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int CodeRole = Qt::UserRole;
// The service answers with at most this many rows.
constexpr int MaxRows = 500;

class LobbyDirectory : public OnlineDirectory
{
public:
    explicit LobbyDirectory(const ServiceAddress &service) : m_service(service) {}

    void refresh() override
    {
        if (m_link)
            return; // the last question is still being answered
        m_games.clear();
        m_link = std::make_unique<LobbyLink>(m_service);
        connect(m_link.get(), &LobbyLink::lineReceived, this, [this](const LobbyLine &line) { row(line); });
        connect(m_link.get(), &LobbyLink::failed, this, [this](const QString &reason) { finish(reason); });
        m_link->open(LobbyLine{"LIST", {}});
    }

private:
    void row(const LobbyLine &line)
    {
        if (line.word == "END") {
            finish({});
            return;
        }
        if (line.word == "ERR") {
            finish(tr("the lobby said %1").arg(line.text("")));
            return;
        }
        if (line.word != "TABLE" || m_games.size() >= MaxRows)
            return;
        // The row is a stranger's: read as a table on the network is, with
        // its name made printable and its numbers checked; the code stands
        // where a network table's address does.
        const std::optional<QString> code = InviteCode::parse(line.text("code"));
        QList<QByteArray> txt;
        for (const char *key : {"players", "watchers", "free", "state", "locked"}) {
            if (line.has(key))
                txt << QByteArray(key) + '=' + line.fields.at(key);
        }
        const QByteArray name = line.fields.count("name") ? line.fields.at("name") : QByteArray();
        if (code) {
            if (const std::optional<lan::LanGame> game = lan::readLanGame(name, *code, lan::GamePort, txt))
                m_games << *game;
        }
    }

    void finish(const QString &reason)
    {
        if (m_link) {
            m_link->disconnect(this);
            m_link.release()->deleteLater();
        }
        if (reason.isEmpty())
            emit listed(m_games);
        else
            emit failed(reason);
    }

    ServiceAddress m_service;
    std::unique_ptr<LobbyLink> m_link;
    QList<lan::LanGame> m_games;
};

} // namespace

std::unique_ptr<OnlineDirectory> makeLobbyDirectory(const ServiceAddress &service)
{
    return std::make_unique<LobbyDirectory>(service);
}

OnlineGamesList::OnlineGamesList(std::unique_ptr<OnlineDirectory> directory, QWidget *parent)
    : QListWidget(parent), m_directory(std::move(directory))
{
    setObjectName(QStringLiteral("list_online"));
    setAccessibleName(tr("Games on the internet"));
    setWordWrap(true);
    connect(m_directory.get(), &OnlineDirectory::listed, this, &OnlineGamesList::showGames);
    connect(m_directory.get(), &OnlineDirectory::failed, this, [this](const QString &reason) {
        showNote(tr("The lobby cannot be reached (%1).").arg(reason));
    });
    connect(this, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (const QString code = codeOf(item); !code.isEmpty())
            emit chosen(code);
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        if (const QString code = codeOf(item); !code.isEmpty())
            emit joinRequested(code);
    });
    m_refreshTimer.setInterval(RefreshMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &OnlineGamesList::refresh);
    showNote(tr("Asking the lobby for its games ..."));
}

OnlineGamesList::~OnlineGamesList() = default;

void OnlineGamesList::refresh()
{
    m_directory->refresh();
}

QStringList OnlineGamesList::rowTexts() const
{
    QStringList texts;
    for (int row = 0; row < count(); ++row)
        texts << item(row)->text();
    return texts;
}

void OnlineGamesList::keyPressEvent(QKeyEvent *event)
{
    const QString code = codeOf(currentItem());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !code.isEmpty()) {
        emit joinRequested(code);
        return;
    }
    QListWidget::keyPressEvent(event);
}

void OnlineGamesList::showEvent(QShowEvent *event)
{
    QListWidget::showEvent(event);
    refresh();
    m_refreshTimer.start();
}

void OnlineGamesList::hideEvent(QHideEvent *event)
{
    QListWidget::hideEvent(event);
    m_refreshTimer.stop();
}

void OnlineGamesList::showGames(const QList<lan::LanGame> &games)
{
    if (games.isEmpty()) {
        showNote(tr("No public games in the lobby yet."));
        return;
    }
    // Rebuilding is no choice of the player's: nothing is offered anew.
    const QSignalBlocker quiet(this);
    const QString current = codeOf(currentItem());
    clear();
    for (const lan::LanGame &game : games) {
        auto *row = new QListWidgetItem(lan::rowText(game), this);
        row->setData(CodeRole, game.address);
        if (game.address == current)
            setCurrentItem(row);
    }
}

void OnlineGamesList::showNote(const QString &text)
{
    const QSignalBlocker quiet(this);
    clear();
    auto *note = new QListWidgetItem(text, this);
    note->setFlags(Qt::ItemIsEnabled);
}

QString OnlineGamesList::codeOf(const QListWidgetItem *item)
{
    return item ? item->data(CodeRole).toString() : QString();
}

int listOnlineGames(OnlineDirectory &directory, int waitMs)
{
    std::optional<QList<lan::LanGame>> games;
    QString reason = QCoreApplication::translate("OnlineGamesList", "no answer within %1 s").arg(waitMs / 1000);
    QEventLoop loop;
    QObject::connect(&directory, &OnlineDirectory::listed, &loop, [&](const QList<lan::LanGame> &listed) {
        games = listed;
        loop.quit();
    });
    QObject::connect(&directory, &OnlineDirectory::failed, &loop, [&](const QString &why) {
        reason = why;
        loop.quit();
    });
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    directory.refresh();
    loop.exec();
    if (!games) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("OnlineGamesList", "The lobby cannot be reached (%1).")
                                    .arg(reason)));
        return 4;
    }
    QTextStream out(stdout);
    for (const lan::LanGame &game : *games)
        out << lan::listLine(game) << '\n';
    return 0;
}
