#include "placement.h"

namespace {

// The neighbour's side that faces the placed tile, or 0 when the neighbour is
// off the board or absent. Direction: 0 above, 1 right, 2 below, 3 left.
std::int32_t facingSide(const board &b, int x, int y, int direction)
{
    switch (direction) {
    case 0: return y > 0 ? b.at(x, y - 1).bottom : 0;
    case 1: return x < board::Columns - 1 ? b.at(x + 1, y).left : 0;
    case 2: return y < board::Rows - 1 ? b.at(x, y + 1).top : 0;
    default: return x > 0 ? b.at(x - 1, y).right : 0;
    }
}

std::int32_t ownSide(const tile &t, int direction)
{
    switch (direction) {
    case 0: return t.top;
    case 1: return t.right;
    case 2: return t.bottom;
    default: return t.left;
    }
}

constexpr int Above = 0, Right = 1, Below = 2, Left = 3;

} // namespace

bool canplace(const board &b, int x, int y, const tile &t)
{
    if (!board::onBoard(x, y))
        return false;
    for (int direction : {Above, Right, Below, Left}) {
        const std::int32_t facing = facingSide(b, x, y, direction);
        if (facing != 0 && facing != ownSide(t, direction))
            return false;
    }
    return true;
}

tile neededsides(const board &b, int x, int y)
{
    if (!board::onBoard(x, y))
        return {};
    return {facingSide(b, x, y, Above), facingSide(b, x, y, Right), facingSide(b, x, y, Below),
            facingSide(b, x, y, Left)};
}

bool fitsneeds(const tile &t, const tile &needs)
{
    return (needs.top == 0 || needs.top == t.top) && (needs.right == 0 || needs.right == t.right)
        && (needs.bottom == 0 || needs.bottom == t.bottom) && (needs.left == 0 || needs.left == t.left);
}

bool checksides(const board &b, int x, int y, const tile &t, int minimum)
{
    if (!board::onBoard(x, y))
        return false;
    int present = 0;
    for (int direction : {Left, Above, Right, Below}) {
        const std::int32_t facing = facingSide(b, x, y, direction);
        if (facing == 0)
            continue;
        if (facing != ownSide(t, direction))
            return false;
        ++present;
    }
    return present >= minimum;
}

bool checkforplay(const board &b, const hand &h)
{
    for (int x = 0; x < board::Columns; ++x) {
        for (int y = 0; y < board::Rows; ++y) {
            if (b.taken(x, y))
                continue;
            for (int slot = 1; slot <= hand::Slots; ++slot) {
                if (checksides(b, x, y, h.at(slot), 0))
                    return true;
            }
        }
    }
    return false;
}

int getscore(const board &b, int x, int y)
{
    if (!board::onBoard(x, y))
        return 0;
    const bool above = b.taken(x, y - 1);
    const bool left = b.taken(x - 1, y);
    const bool below = b.taken(x, y + 1);
    const bool right = b.taken(x + 1, y);

    int score = NeighbourPoints[int(above) + int(left) + int(below) + int(right)];

    // Each 2x2 block holding (x, y) whose other three cells are taken. taken()
    // is false off the board, so blocks that overhang an edge never count.
    if (above && left && b.taken(x - 1, y - 1))
        score += SquarePoints;
    if (left && below && b.taken(x - 1, y + 1))
        score += SquarePoints;
    if (above && right && b.taken(x + 1, y - 1))
        score += SquarePoints;
    if (below && right && b.taken(x + 1, y + 1))
        score += SquarePoints;
    return score;
}

PlacementError validateplacement(const board &b, const hand &h, int x, int y, int slot)
{
    if (!board::onBoard(x, y) || b.taken(x, y))
        return CellTaken;
    if (!hand::validSlot(slot) || h.at(slot).isEmpty())
        return SlotEmpty;
    if (!canplace(b, x, y, h.at(slot)))
        return SidesMismatch;
    return PlacementOk;
}
