#include "lzrw1kh.h"

#include <algorithm>
#include <cstring>

namespace Lzrw1kh {

namespace {

constexpr std::size_t MaxRun = 0x0FFF;
constexpr std::size_t MinRun = 16;
constexpr std::size_t MinCopy = 3;
constexpr std::size_t MaxCopy = 18;
constexpr std::size_t MaxDistance = 4095;

std::uint32_t hashOf(const std::uint8_t *at)
{
    const std::uint32_t mixed = ((std::uint32_t(at[0]) << 4 ^ at[1]) << 4) ^ at[2];
    return (mixed * 40543u >> 4) & 0x0FFF;
}

void putWord(std::uint8_t *at, std::uint32_t word)
{
    at[0] = static_cast<std::uint8_t>(word >> 8);
    at[1] = static_cast<std::uint8_t>(word);
}

} // namespace

Coder::Coder()
    : m_hash(4096, Empty)
{
}

std::size_t Coder::codePiece(const std::uint8_t *piece, std::size_t size, std::uint8_t *block)
{
    // Matches never reach into an earlier piece, so a piece codes the same
    // wherever it stands in the input.
    std::fill(m_hash.begin(), m_hash.end(), Empty);

    block[0] = FlagCoded;
    std::size_t controlAt = 1;
    std::size_t out = 3;
    std::size_t p = 0;
    std::uint32_t control = 0;
    int items = 0;

    while (p < size && out <= size) {
        if (items == 16) {
            putWord(block + controlAt, control);
            controlAt = out;
            out += 2;
            control = 0;
            items = 0;
        }

        // A run is tried first; its start does not enter the hash table.
        std::size_t run = 1;
        while (p + run < size && run < MaxRun && piece[p + run] == piece[p])
            ++run;
        if (run >= MinRun) {
            block[out] = 0;
            putWord(block + out + 1, static_cast<std::uint32_t>(run - MinRun));
            block[out + 3] = piece[p];
            out += 4;
            p += run;
            control = control << 1 | 1;
            ++items;
            continue;
        }

        // Fewer than three bytes left cannot make a copy; the hash entry
        // those positions would set is never looked up again in this piece.
        std::size_t length = 0;
        std::size_t distance = 0;
        if (p + MinCopy <= size) {
            std::uint16_t &entry = m_hash[hashOf(piece + p)];
            if (entry != Empty && p - entry <= MaxDistance) {
                const std::size_t q = entry;
                while (length < MaxCopy && p + length < size && piece[q + length] == piece[p + length])
                    ++length;
                distance = p - q;
            }
            entry = static_cast<std::uint16_t>(p);
        }
        if (length >= MinCopy) {
            putWord(block + out, static_cast<std::uint32_t>(distance << 4 | (length - MinCopy)));
            out += 2;
            p += length;
            control = control << 1 | 1;
        } else {
            block[out++] = piece[p++];
            control <<= 1;
        }
        ++items;
    }

    putWord(block + controlAt, (control << (16 - items)) & 0xFFFF);

    if (out > size) {
        // Coding did not pay: store the piece as it is.
        block[0] = FlagStored;
        if (size > 0)
            std::memcpy(block + 1, piece, size);
        return size + 1;
    }
    return out;
}

DecodeError decodeBlock(const std::uint8_t *block, std::size_t size, std::uint8_t *piece, std::size_t &decoded)
{
    decoded = 0;
    if (size < 2)
        return DecodeError::None;
    if (block[0] == FlagStored) {
        if (size - 1 > PieceSize)
            return DecodeError::TooLong;
        std::memcpy(piece, block + 1, size - 1);
        decoded = size - 1;
        return DecodeError::None;
    }
    if (size < 3)
        return DecodeError::CutOff;

    std::uint32_t control = std::uint32_t(block[1]) << 8 | block[2];
    int bits = 16;
    std::size_t in = 3;
    std::size_t out = 0;
    while (in < size) {
        if (bits == 0) {
            if (size - in < 2)
                return DecodeError::CutOff;
            control = std::uint32_t(block[in]) << 8 | block[in + 1];
            in += 2;
            bits = 16;
            if (in == size)
                return DecodeError::CutOff;
        }
        if ((control & 0x8000) == 0) {
            if (out == PieceSize)
                return DecodeError::TooLong;
            piece[out++] = block[in++];
        } else {
            if (size - in < 2)
                return DecodeError::CutOff;
            const std::size_t distance = std::size_t(block[in]) << 4 | block[in + 1] >> 4;
            if (distance == 0) {
                if (size - in < 4)
                    return DecodeError::CutOff;
                const std::size_t count = (std::size_t(block[in + 1]) << 8 | block[in + 2]) + MinRun;
                if (count > PieceSize - out)
                    return DecodeError::TooLong;
                std::memset(piece + out, block[in + 3], count);
                out += count;
                in += 4;
            } else {
                const std::size_t length = (block[in + 1] & 0x0F) + MinCopy;
                if (distance > out)
                    return DecodeError::BeforeStart;
                if (length > PieceSize - out)
                    return DecodeError::TooLong;
                // Byte by byte: a copy may overlap what it produces.
                for (std::size_t k = 0; k < length; ++k, ++out)
                    piece[out] = piece[out - distance];
                in += 2;
            }
        }
        control <<= 1;
        --bits;
    }
    decoded = out;
    return DecodeError::None;
}

const char *describe(DecodeError error)
{
    switch (error) {
    case DecodeError::None:
        return "no error";
    case DecodeError::CutOff:
        return "a block ends inside a control word or an item";
    case DecodeError::BeforeStart:
        return "a copy reaches before the start of its piece";
    case DecodeError::TooLong:
        return "a block decodes to more than 32768 bytes";
    }
    return "damaged block";
}

} // namespace Lzrw1kh
