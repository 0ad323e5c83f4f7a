#pragma once

#include "clientstate.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <array>
#include <functional>

class BoardView;
class FrameShape;
class HandTile;
class QWidget;

// The board and the hand of the main window: `panel_back` with the board
// view `paintbox_board` and the frame `image_highlite`, the hand pictures
// `image_tile1` to `image_tile7` and the frame `image_newtile`. Its handlers
// read the host's messages into the shared client state and ask the
// widgets to show it; they never paint.
//
// The host is trusted with nothing: every number of a message is checked
// before it indexes the board, the hand or a seat. A message that is not
// well formed is ignored as a whole; in a list (a hand, a board) only the
// entries out of range are skipped.
class BoardPanel : public QObject
{
    Q_OBJECT
public:
    struct Hooks
    {
        // A complete message, terminator included.
        std::function<void(const QByteArray &message)> send;
        std::function<void(const QString &name)> playsounds;
        // The status line `label_status`.
        std::function<void(const QString &text)> setStatus;
        // The seat's score labels and the score popup of a placement: the
        // bonus labels are cleared, the seat's total shown, and for a gain
        // other than "0" the gain shown (with the popup on the placer's
        // own window).
        std::function<void(int seat, const QString &total, const QString &gain, int column, int row)> placementShown;
    };

    // Pixel geometry inside `panel_board`.
    static constexpr int HandTop = 459;
    static constexpr int RaisedTop = 443;
    static constexpr int NewTileTop = 456;
    static int handLeft(int slot) { return 16 + 68 * (slot - 1); }

    BoardPanel(ClientState &state, QWidget *panelBoard, Hooks hooks, QObject *parent = nullptr);
    ~BoardPanel() override;

    // `panel_back`: the parent of the board's overlays (score popup, winner
    // panel, start button).
    QWidget *backPanel() const { return m_back; }
    BoardView *view() const { return m_view; }
    HandTile *handTile(int slot) const;
    QWidget *highlite() const;
    QWidget *newtileFrame() const;

    // Every cell empty and zero.
    void clearBoard();
    // The hand emptied and lowered, both frames hidden, no tile raised.
    void clearHand();

    // Handlers of the host's messages (the body after the name).
    void showtiles(const QByteArray &body);
    void heplace(const QByteArray &body);
    void anerror(const QByteArray &body);
    void loadboard(const QByteArray &body);

    // A click on a hand picture, by slot.
    void image_tile1Click(int slot);
    // A mouse button released over the board view, in its pixels.
    void paintbox_boardMouseUp(Qt::MouseButton button, int x, int y);
    // A key on the board: arrows move the cursor, 1 to 7 click hand tiles,
    // Enter or Space ask to place the raised tile at the cursor, Escape
    // lowers it. True when the key was used.
    bool boardKey(int key);

    // Options > Show Fitting Cells: frames the cells where the raised tile
    // fits while it is this player's turn.
    void setShowFits(bool on);
    bool showFits() const { return m_showFits; }
    // Recomputes the fitting cells; call whenever the turn may have changed.
    void refreshFits();

private:
    void askToPlace(int column, int row);
    void setSelected(int slot);
    void showHand();

    ClientState &m_state;
    Hooks m_hooks;
    QWidget *m_back = nullptr;
    BoardView *m_view = nullptr;
    FrameShape *m_highlite = nullptr;
    FrameShape *m_newtile = nullptr;
    std::array<HandTile *, hand::Slots> m_tiles{};
    bool m_showFits = false;
};
