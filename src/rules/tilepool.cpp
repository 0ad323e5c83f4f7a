#include "tilepool.h"

std::optional<tile> tilepool::draw()
{
    if (poolindex < 0 || poolindex >= Size)
        return std::nullopt;
    ++poolindex;
    return tiles[poolindex - 1];
}

void gettiles(tilepool &pool, RandomSource &random)
{
    for (tile &t : pool.tiles) {
        t.top = static_cast<std::int32_t>(random.random(4)) + 1;
        t.right = static_cast<std::int32_t>(random.random(4)) + 1;
        t.bottom = static_cast<std::int32_t>(random.random(4)) + 1;
        t.left = static_cast<std::int32_t>(random.random(4)) + 1;
    }
    pool.poolindex = 0;
}

void refillslot(tilepool &pool, hand &h, int slot)
{
    if (!hand::validSlot(slot))
        return;
    h.at(slot) = pool.draw().value_or(tile{});
}

void fillhand(tilepool &pool, hand &h)
{
    for (int slot = 1; slot <= hand::Slots; ++slot) {
        if (h.at(slot).isEmpty())
            refillslot(pool, h, slot);
    }
}
