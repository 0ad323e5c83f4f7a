#pragma once

#include "clientfixture.h"
#include "roundart.h"
#include "roundview.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

// A round view on a bare panel, with its handlers in a client connection's
// dispatch table and every hook recorded. Messages go through the same
// dispatcher the host's messages reach.
class RoundTest : public ClientTest
{
protected:
    RoundTest()
    {
        panel.resize(764, 526);
        back = new QWidget(&panel);
        back->setObjectName("panel_back");
        back->setGeometry(3, 3, 482, 434);

        RoundView::Hooks hooks;
        hooks.clearBoard = [this] { ++boardClears; };
        hooks.clearHand = [this] { ++handClears; };
        hooks.playsounds = [this](const QString &name) { sounds << name; };
        hooks.addSystemLine = [this](const QString &line) { lines << line; };
        hooks.send = [this](const QByteArray &message) { sent << message; };
        hooks.showGameStart = [this] { ++gameStartShown; };
        hooks.message = [this](const QString &text) { messages << text; };
        hooks.turnSoundNew = [this] { return turnSoundNew; };
        hooks.setJustWatchChecked = [this](bool checked) { justWatchMark = checked; };
        hooks.windowActive = [this] { return windowActive; };
        hooks.alert = [this] { ++alerts; };
        hooks.recordTally = [this](bool won, const QString &winner) { tally << (won ? "won " : "lost ") + winner; };
        view = std::make_unique<RoundView>(state, &panel, back, std::move(hooks));
        view->installHandlers(*connection);
    }

    // Hands one message (without its terminator) to the dispatcher.
    void deliver(const QByteArray &line)
    {
        connection->receivedlist().push(line);
        connection->processsocktimer();
    }

    template <typename T = QLabel>
    T *control(const QString &name) const
    {
        return panel.findChild<T *>(name);
    }
    QString text(const QString &name) const { return control(name)->text(); }
    bool shown(const QString &name) const { return !control<QWidget>(name)->isHidden(); }

    QWidget panel;
    QWidget *back = nullptr;
    std::unique_ptr<RoundView> view;
    QStringList sounds;
    QList<QByteArray> sent;
    QStringList tally;
    int boardClears = 0;
    int handClears = 0;
    int gameStartShown = 0;
    int alerts = 0;
    bool turnSoundNew = false;
    bool windowActive = true;
    std::optional<bool> justWatchMark;
};
