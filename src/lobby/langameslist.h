#pragma once

#include "gamebrowser.h"

#include <QListWidget>

#include <map>
#include <memory>

// The list "Games on your network": one row per table hosted on the local
// network, kept up to date while it lives ("Ann at 192.168.1.20, 2 players,
// round 2 of 3, locked"). Choosing a row offers its address; a double-click
// or Enter on it asks to join there.
//
// Without the Avahi daemon the list holds one line that says so; while no
// table is found, one that says that.
class LanGamesList : public QListWidget
{
    Q_OBJECT
public:
    // Starts `browser` and follows it.
    explicit LanGamesList(std::unique_ptr<GameBrowser> browser, QWidget *parent = nullptr);
    ~LanGamesList() override;

    // The rows' texts, top to bottom.
    QStringList rowTexts() const;

signals:
    void chosen(const QString &address);
    void joinRequested(const QString &address);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void found(const QString &service, const lan::LanGame &game);
    void lost(const QString &service);
    void setAvailable(bool available);
    // Rebuilds the rows from the games, keeping the chosen one chosen.
    void showGames();
    QString addressOf(const QListWidgetItem *item) const;

    std::unique_ptr<GameBrowser> m_browser;
    std::map<QString, lan::LanGame> m_games; // by service name, so in its order
    bool m_available = true;
};

// `orvellobby --list`: prints the games that `browser` finds within
// `waitMs` (or fewer, once the network's answers are in) to standard output,
// one line each, and returns 0; without the Avahi daemon it writes the
// reason to standard error and returns 3.
int listGames(GameBrowser &browser, int waitMs);
