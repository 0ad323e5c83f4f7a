#include "boardpanel.h"

#include "boardview.h"
#include "handtile.h"
#include "placement.h"
#include "protocol.h"
#include "theme.h"
#include "tileart.h"

#include <QList>
#include <QPalette>

namespace {

constexpr int MaxSeat = 9;

bool validSeat(int seat)
{
    return seat >= 1 && seat <= MaxSeat;
}

// A tile that may lie on the board: every side 1 to 4.
bool placedTile(const tile &t)
{
    return TileArt::validTile(t) && !t.isEmpty();
}

// A number field kept as the text received (scores are shown as sent).
QByteArray numberText(wire::FieldReader &reader)
{
    QByteArray text = reader.field();
    if (!wire::parseNumber(text))
        throw wire::BadField{};
    return text;
}

struct CellEntry
{
    int column;
    int row;
    tile t;
};

struct SlotEntry
{
    int slot;
    tile t;
};

} // namespace

BoardPanel::BoardPanel(ClientState &state, QWidget *panelBoard, Hooks hooks, QObject *parent)
    : QObject(parent), m_state(state), m_hooks(std::move(hooks))
{
    m_back = new QWidget(panelBoard);
    m_back->setObjectName(QStringLiteral("panel_back"));
    m_back->setGeometry(3, 3, 482, 434);
    QPalette palette = m_back->palette();
    palette.setColor(QPalette::Window, Theme::boardColour);
    m_back->setPalette(palette);
    m_back->setAutoFillBackground(true);

    m_view = new BoardView(m_state.board, m_back);
    m_view->move(1, 1);
    m_view->released = [this](Qt::MouseButton button, int x, int y) { paintbox_boardMouseUp(button, x, y); };
    m_view->keyPressed = [this](int key) { return boardKey(key); };

    // Over the board, so it frames the last placed tile; a 50-pixel frame
    // at the cell's own coordinates in panel_back is centred on the tile.
    m_highlite = new FrameShape(Qt::black, 3, m_back);
    m_highlite->setObjectName(QStringLiteral("image_highlite"));
    m_highlite->resize(50, 50);
    m_highlite->hide();

    for (int slot = 1; slot <= hand::Slots; ++slot) {
        auto *picture = new HandTile(slot, panelBoard);
        picture->move(handLeft(slot), HandTop);
        picture->clicked = [this](int clickedSlot) {
            // The board takes the hand's keys from now on.
            m_view->setFocus(Qt::MouseFocusReason);
            image_tile1Click(clickedSlot);
        };
        m_tiles[slot - 1] = picture;
    }

    m_newtile = new FrameShape(Theme::boardColour, 3, panelBoard);
    m_newtile->setObjectName(QStringLiteral("image_newtile"));
    m_newtile->setGeometry(handLeft(1) - 3, NewTileTop, 54, 53);
    m_newtile->hide();
}

BoardPanel::~BoardPanel() = default;

HandTile *BoardPanel::handTile(int slot) const
{
    return hand::validSlot(slot) ? m_tiles[slot - 1] : nullptr;
}

QWidget *BoardPanel::highlite() const
{
    return m_highlite;
}

QWidget *BoardPanel::newtileFrame() const
{
    return m_newtile;
}

void BoardPanel::clearBoard()
{
    m_state.board.clear();
    m_view->update();
    refreshFits();
}

void BoardPanel::clearHand()
{
    m_state.hand = {};
    m_state.selectedtile = 0;
    showHand();
    m_newtile->hide();
    m_highlite->hide();
    refreshFits();
}

void BoardPanel::showHand()
{
    for (int slot = 1; slot <= hand::Slots; ++slot) {
        HandTile *picture = m_tiles[slot - 1];
        picture->setTile(m_state.hand.at(slot));
        const bool raised = slot == m_state.selectedtile;
        picture->move(handLeft(slot), raised ? RaisedTop : HandTop);
        //: A hand tile lifted up, chosen to be placed
        picture->setAccessibleDescription(raised ? tr("Raised") : QString());
    }
}

void BoardPanel::setSelected(int slot)
{
    m_state.selectedtile = slot;
    showHand();
    refreshFits();
}

void BoardPanel::showtiles(const QByteArray &body)
{
    // Everything is read before anything changes: a field that is not a
    // number drops the whole message.
    wire::FieldReader reader(body);
    const int seat = reader.lastNum();
    QList<SlotEntry> entries;
    while (!reader.atEnd()) {
        const int slot = reader.num();
        entries.append({slot, wire::readTile(reader)});
    }

    m_state.selectedtile = 0;
    if (seat != m_state.mynumber || m_state.mynumber == 0) {
        showHand();
        refreshFits();
        return;
    }
    int lastSlot = 0;
    for (const SlotEntry &entry : entries) {
        if (!hand::validSlot(entry.slot) || !TileArt::validTile(entry.t))
            continue;
        m_state.hand.at(entry.slot) = entry.t;
        lastSlot = entry.slot;
    }
    showHand();
    if (lastSlot != 0) {
        m_newtile->move(handLeft(lastSlot) - 3, NewTileTop);
        // Made after the hand, the frame already lies over it. It is never
        // raised: the quick instructions, raised when shown, stay over it.
        m_newtile->show();
    }
    m_state.canselect = true;
    refreshFits();
}

void BoardPanel::heplace(const QByteArray &body)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    const QByteArray total = numberText(reader);
    const QByteArray gain = numberText(reader);
    const int column = reader.num();
    const int row = reader.num();
    const tile placed = wire::readTile(reader);
    if (!validSeat(seat) || !board::onBoard(column, row) || !placedTile(placed))
        return;

    m_state.board.at(column, row) = placed;
    m_view->updateCell(column, row);
    m_highlite->move(BoardView::cellRect(column, row).topLeft());
    m_highlite->show();
    m_highlite->raise();
    // The scores last: the score popup then lies over the frame.
    if (m_hooks.placementShown)
        m_hooks.placementShown(seat, wire::decodeText(total), wire::decodeText(gain), column, row);
    if (m_hooks.playsounds)
        m_hooks.playsounds(gain != "0" && *wire::parseNumber(gain) > 50 ? QStringLiteral("square") : QStringLiteral("place"));
    refreshFits();
}

void BoardPanel::anerror(const QByteArray &body)
{
    wire::FieldReader reader(body);
    const int seat = reader.num();
    const int code = reader.lastNum();
    if (!validSeat(seat))
        return;

    static const char *const texts[] = {QT_TR_NOOP("You cannot put a tile there."), QT_TR_NOOP("Tile not valid."),
                                        QT_TR_NOOP("That tile does not match.")};
    if (code >= 1 && code <= 3 && m_hooks.setStatus)
        m_hooks.setStatus(tr(texts[code - 1]));
    // The turn comes back, so the player may try again at once.
    m_state.canselect = true;
    m_state.whoseturn = seat;
    if (m_hooks.playsounds)
        m_hooks.playsounds(QStringLiteral("invalid"));
    refreshFits();
}

void BoardPanel::loadboard(const QByteArray &body)
{
    wire::FieldReader reader(body);
    reader.lastNum(); // the seat, not used
    QList<CellEntry> entries;
    while (!reader.atEnd()) {
        const int column = reader.num();
        const int row = reader.num();
        entries.append({column, row, wire::readTile(reader)});
    }
    for (const CellEntry &entry : entries) {
        if (!board::onBoard(entry.column, entry.row) || !placedTile(entry.t))
            continue;
        m_state.board.at(entry.column, entry.row) = entry.t;
        m_view->updateCell(entry.column, entry.row);
    }
    refreshFits();
}

void BoardPanel::image_tile1Click(int slot)
{
    if (!m_state.canselect || !hand::validSlot(slot))
        return;
    m_newtile->hide();
    const bool lowering = slot == m_state.selectedtile;
    setSelected(lowering ? 0 : slot);
    if (m_hooks.playsounds)
        m_hooks.playsounds(lowering ? QStringLiteral("unselect") : QStringLiteral("select"));
}

void BoardPanel::paintbox_boardMouseUp(Qt::MouseButton, int x, int y)
{
    // Releases outside the cells (the two pixel rows under the board, or
    // after the pointer left the view) ask for nothing and keep the turn.
    if (x < 0 || y < 0)
        return;
    const int column = x / TileArt::CellSize;
    const int row = y / TileArt::CellSize;
    if (!board::onBoard(column, row))
        return;
    // The keyboard goes on from the cell last clicked.
    m_view->setCursorCell(QPoint(column, row));
    askToPlace(column, row);
}

void BoardPanel::askToPlace(int column, int row)
{
    if (m_state.mynumber == 0 || m_state.whoseturn != m_state.mynumber || m_state.selectedtile == 0)
        return;
    m_state.canselect = false;
    if (m_state.loggedin && m_hooks.send)
        m_hooks.send(wire::client::placetile(m_state.mynumber, column, row, m_state.selectedtile));
    // Further releases send nothing until the host answers.
    m_state.whoseturn = 0;
    refreshFits();
}

bool BoardPanel::boardKey(int key)
{
    const QPoint cursor = m_view->cursorCell();
    switch (key) {
    case Qt::Key_Left: m_view->setCursorCell(cursor + QPoint(-1, 0)); return true;
    case Qt::Key_Right: m_view->setCursorCell(cursor + QPoint(1, 0)); return true;
    case Qt::Key_Up: m_view->setCursorCell(cursor + QPoint(0, -1)); return true;
    case Qt::Key_Down: m_view->setCursorCell(cursor + QPoint(0, 1)); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        askToPlace(cursor.x(), cursor.y());
        return true;
    case Qt::Key_Escape:
        if (m_state.selectedtile == 0)
            return false;
        image_tile1Click(m_state.selectedtile);
        return true;
    default:
        break;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_7) {
        image_tile1Click(key - Qt::Key_1 + 1);
        return true;
    }
    return false;
}

void BoardPanel::setShowFits(bool on)
{
    m_showFits = on;
    refreshFits();
}

void BoardPanel::refreshFits()
{
    BoardView::CellSet fits;
    const int slot = m_state.selectedtile;
    const bool myTurn = m_state.mynumber != 0 && m_state.whoseturn == m_state.mynumber;
    if (m_showFits && myTurn && hand::validSlot(slot) && !m_state.hand.at(slot).isEmpty()) {
        const tile &raised = m_state.hand.at(slot);
        for (int column = 0; column < board::Columns; ++column) {
            for (int row = 0; row < board::Rows; ++row) {
                if (!m_state.board.taken(column, row) && canplace(m_state.board, column, row, raised))
                    fits.set(BoardView::cellIndex(column, row));
            }
        }
    }
    m_view->setFits(fits);
}
