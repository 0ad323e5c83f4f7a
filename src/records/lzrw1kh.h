#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One LZRW1/KH block codes one piece of at most 32768 bytes.
//
// Block layout: a flag byte (0x80 stored, anything else coded; the coder
// writes 0x40), then for a coded block groups of a 16-bit control word (high
// byte first) and up to 16 items, one control bit per item from the top bit
// down: 0 a literal byte, 1 a copy (distance:12 | length-3:4, high byte
// first) or, when the distance reads 0, a run (00, count-16 as 16 bits, the
// byte).
namespace Lzrw1kh {

constexpr std::size_t PieceSize = 32768;
// A stored block is the flag and the whole piece.
constexpr std::size_t MaxBlockSize = PieceSize + 1;
// Coding may run a few bytes past the piece's length before it gives up and
// stores the piece; the coder's output room must allow for that.
constexpr std::size_t CoderSlack = 16;

constexpr std::uint8_t FlagCoded = 0x40;
constexpr std::uint8_t FlagStored = 0x80;

// The coder with its hash table of earlier positions. The table is
// allocated once per coder and reset for every piece.
class Coder
{
public:
    Coder();

    // Codes `size` bytes (at most PieceSize) from `piece` into `block`,
    // which must have room for size + CoderSlack bytes. Returns the length
    // of the block. Depends on nothing but the piece.
    std::size_t codePiece(const std::uint8_t *piece, std::size_t size, std::uint8_t *block);

private:
    static constexpr std::uint16_t Empty = 0xFFFF;
    std::vector<std::uint16_t> m_hash;
};

enum class DecodeError {
    None,
    CutOff,         // a control word or an item runs past the end of the block
    BeforeStart,    // a copy reaches before the start of the piece
    TooLong,        // the items decode to more than PieceSize bytes
};

// Decodes one block of `size` bytes (at most MaxBlockSize) into `piece`,
// which has room for PieceSize bytes, and sets `decoded` to the piece's
// length. Never reads outside the block nor writes outside the piece.
DecodeError decodeBlock(const std::uint8_t *block, std::size_t size, std::uint8_t *piece, std::size_t &decoded);

const char *describe(DecodeError error);

} // namespace Lzrw1kh
