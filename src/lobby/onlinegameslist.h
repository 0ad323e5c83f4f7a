#pragma once

#include "lantable.h"

#include <QList>
#include <QListWidget>
#include <QObject>
#include <QTimer>

#include <memory>

struct ServiceAddress;

// The public tables at the maker's meeting service. The launcher's seam:
// tests drive a fake through the signals.
class OnlineDirectory : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Asks for the list once; one of the signals follows.
    virtual void refresh() = 0;

signals:
    // The public tables, newest first; a table's address is its invite code.
    void listed(const QList<lan::LanGame> &games);
    // The service could not be asked: why, in the player's words.
    void failed(const QString &reason);
};

// Asks the meeting service at `service`.
std::unique_ptr<OnlineDirectory> makeLobbyDirectory(const ServiceAddress &service);

// The list "Games on the internet": the public tables at the meeting
// service, asked for again every RefreshMs while it is shown and at once on
// F5. Choosing a row offers its invite code as the host address; a
// double-click or Enter on it asks to join there, as on the list of games
// on the network.
class OnlineGamesList : public QListWidget
{
    Q_OBJECT
public:
    static constexpr int RefreshMs = 15000;

    explicit OnlineGamesList(std::unique_ptr<OnlineDirectory> directory, QWidget *parent = nullptr);
    ~OnlineGamesList() override;

    // Asks the service now (F5).
    void refresh();
    QStringList rowTexts() const;
    const QTimer &refreshTimer() const { return m_refreshTimer; }

signals:
    void chosen(const QString &code);
    void joinRequested(const QString &code);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showGames(const QList<lan::LanGame> &games);
    void showNote(const QString &text);
    static QString codeOf(const QListWidgetItem *item);

    std::unique_ptr<OnlineDirectory> m_directory;
    QTimer m_refreshTimer;
};

// `orvellobby --list-online`: prints the public tables to standard output,
// one line each (name, invite code, players, state, separated by tabs), and
// returns 0; when the service cannot be asked within `waitMs`, it writes
// the reason to standard error and returns 4.
int listOnlineGames(OnlineDirectory &directory, int waitMs);
