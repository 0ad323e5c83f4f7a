// Damaged and hostile tally files: every one ends in an ELzrw1Exception
// with a clear message; none reads or writes outside the decoder's buffers
// (the sanitizer build checks that side).

#include "tlzrw1.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string ReadError = "Lzrw1 : Error reading from input file : tally.tld";
const std::string SizeMismatch = "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";

Bytes header(std::uint32_t size)
{
    Bytes file = {0x57, 0x52, 0x5A, 0x4C};
    for (int shift = 0; shift < 32; shift += 8)
        file.push_back(static_cast<std::uint8_t>(size >> shift));
    return file;
}

void appendChunk(Bytes &file, const Bytes &block)
{
    file.push_back(static_cast<std::uint8_t>(block.size()));
    file.push_back(static_cast<std::uint8_t>(block.size() >> 8));
    file.insert(file.end(), block.begin(), block.end());
}

Bytes fileWithBlock(std::uint32_t size, const Bytes &block)
{
    Bytes file = header(size);
    appendChunk(file, block);
    return file;
}

// A coded block: flag, then the items under control words, sixteen each.
struct Item
{
    bool flagged;
    Bytes bytes;
};

Bytes codedBlock(const std::vector<Item> &items)
{
    Bytes block = {0x40};
    for (std::size_t start = 0; start < items.size(); start += 16) {
        std::uint16_t control = 0;
        for (std::size_t i = start; i < std::min(items.size(), start + 16); ++i) {
            if (items[i].flagged)
                control |= std::uint16_t(0x8000 >> (i - start));
        }
        block.push_back(static_cast<std::uint8_t>(control >> 8));
        block.push_back(static_cast<std::uint8_t>(control));
        for (std::size_t i = start; i < std::min(items.size(), start + 16); ++i)
            block.insert(block.end(), items[i].bytes.begin(), items[i].bytes.end());
    }
    return block;
}

Item literal(std::uint8_t b) { return {false, {b}}; }
Item copy(int distance, int length) { return {true, {std::uint8_t(distance >> 4), std::uint8_t((distance & 15) << 4 | (length - 3))}}; }
Item run(int count, std::uint8_t b) { return {true, {0, std::uint8_t((count - 16) >> 8), std::uint8_t(count - 16), b}}; }

std::string failureOf(const Bytes &file)
{
    try {
        Tlzrw1::decompressBytes(file, "tally.tld");
    } catch (const ELzrw1Exception &error) {
        return error.what();
    }
    return "no failure";
}

Bytes oneRowTallyFile()
{
    return {0x57, 0x52, 0x5A, 0x4C, 0x21, 0x00, 0x00, 0x00, 0x0E, 0x00, 0x40, 0x01,
            0x80, 0x39, 0x0D, 0x0A, 0x31, 0x0D, 0x0A, 0x30, 0x00, 0x3F, 0x01, 0x25};
}

} // namespace

TEST(Lzrw1Damaged, HandMadeItemsDecodeAsTheCoderMeansThem)
{
    // The helpers above must build what the decoder accepts, or the
    // failures below would prove nothing.
    const Bytes block = codedBlock({literal('x'), copy(1, 3), run(16, 'y')});
    Bytes expected(4, 'x');
    expected.insert(expected.end(), 16, 'y');
    EXPECT_EQ(Tlzrw1::decompressBytes(fileWithBlock(20, block), "t"), expected);
}

TEST(Lzrw1Damaged, ForeignSignatureHasNoValidHeader)
{
    EXPECT_EQ(failureOf({'A', 'B', 'C', 'D', 0, 0, 0, 0, 1, 0, 0x80}),
              "tally.tld : Lzrw1 decompression : this file has no valid header !");
}

TEST(Lzrw1Damaged, LzhCodedFileIsRefusedClearly)
{
    const std::string message = failureOf({0x21, 0x48, 0x5A, 0x4C, 3, 0, 0, 0, 1, 2, 3});
    EXPECT_NE(message.find("\"!HZL\""), std::string::npos) << message;
    EXPECT_NE(message.find("tally.tld"), std::string::npos) << message;
}

TEST(Lzrw1Damaged, EveryTruncationIsAReadError)
{
    const Bytes whole = oneRowTallyFile();
    for (std::size_t length = 0; length < whole.size(); ++length)
        EXPECT_EQ(failureOf(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(length))), ReadError) << length;
}

TEST(Lzrw1Damaged, StatedSizeMustMatchWhatTheChunksHold)
{
    Bytes larger = oneRowTallyFile();
    larger[4] = 0x22;
    EXPECT_EQ(failureOf(larger), SizeMismatch);
    Bytes smaller = oneRowTallyFile();
    smaller[4] = 0x20;
    EXPECT_EQ(failureOf(smaller), SizeMismatch);
    // A huge stated size is never allocated up front.
    Bytes huge = oneRowTallyFile();
    huge[7] = 0xFF;
    EXPECT_EQ(failureOf(huge), SizeMismatch);
}

TEST(Lzrw1Damaged, BytesAfterTheLastChunkAreIgnored)
{
    Bytes file = oneRowTallyFile();
    file.insert(file.end(), {1, 2, 3, 0xFF, 0xFF});
    EXPECT_EQ(Tlzrw1::decompressBytes(file, "t").size(), 33u);
}

TEST(Lzrw1Damaged, ChunkLongerThanAStoredPieceIsRefused)
{
    Bytes file = header(32769);
    file.push_back(0x02);
    file.push_back(0x80); // 32770
    file.push_back(0x80);
    file.insert(file.end(), 32769, 'a');
    const std::string message = failureOf(file);
    EXPECT_NE(message.find("32769"), std::string::npos) << message;
    EXPECT_NE(message.find("tally.tld"), std::string::npos) << message;
}

TEST(Lzrw1Damaged, CopyReachingBeforeThePieceIsRefused)
{
    EXPECT_NE(failureOf(fileWithBlock(3, codedBlock({copy(1, 3)}))).find("before the start"), std::string::npos);
    EXPECT_NE(failureOf(fileWithBlock(5, codedBlock({literal('a'), copy(2, 4)}))).find("before the start"),
              std::string::npos);

    // Nor does a copy reach into the previous piece.
    Bytes file = header(32768 + 3);
    // Runs of 4096 are longer than the coder writes but decode all the
    // same: the first piece is 32768 bytes.
    appendChunk(file, codedBlock(std::vector<Item>(8, run(4096, 'a'))));
    appendChunk(file, codedBlock({copy(5, 3)}));
    EXPECT_NE(failureOf(file).find("before the start"), std::string::npos) << failureOf(file);
}

TEST(Lzrw1Damaged, ItemsDecodingPastAPieceAreRefused)
{
    std::vector<Item> runs(8, run(4111, 'r')); // 8 x 4111 > 32768
    EXPECT_NE(failureOf(fileWithBlock(40000, codedBlock(runs))).find("more than 32768"), std::string::npos);

    std::vector<Item> fill(8, run(4096, 'r')); // exactly 32768
    fill.push_back(copy(1, 3));
    EXPECT_NE(failureOf(fileWithBlock(40000, codedBlock(fill))).find("more than 32768"), std::string::npos);

    std::vector<Item> full(8, run(4096, 'r'));
    full.push_back(literal('x'));
    EXPECT_NE(failureOf(fileWithBlock(40000, codedBlock(full))).find("more than 32768"), std::string::npos);
}

TEST(Lzrw1Damaged, ControlWordOrItemCutOffByTheBlockEndIsRefused)
{
    std::vector<Item> sixteen(16, literal('a'));
    Bytes block = codedBlock(sixteen);
    block.push_back(0x80); // half of the next control word
    EXPECT_NE(failureOf(fileWithBlock(17, block)).find("ends inside"), std::string::npos);

    Bytes copyCut = codedBlock({literal('a'), copy(1, 3)});
    copyCut.pop_back();
    EXPECT_NE(failureOf(fileWithBlock(4, copyCut)).find("ends inside"), std::string::npos);

    Bytes runCut = codedBlock({run(20, 'a')});
    runCut.pop_back();
    EXPECT_NE(failureOf(fileWithBlock(20, runCut)).find("ends inside"), std::string::npos);

    // A control word with no item after it.
    Bytes bare = codedBlock(sixteen);
    bare.push_back(0x00);
    bare.push_back(0x00);
    EXPECT_NE(failureOf(fileWithBlock(17, bare)).find("ends inside"), std::string::npos);

    EXPECT_NE(failureOf(fileWithBlock(0, {0x40, 0x00})).find("ends inside"), std::string::npos);
}

TEST(Lzrw1Damaged, ShortBlocksDecodeToNothing)
{
    EXPECT_TRUE(Tlzrw1::decompressBytes(fileWithBlock(0, {}), "t").empty());
    EXPECT_TRUE(Tlzrw1::decompressBytes(fileWithBlock(0, {0x40}), "t").empty());
    EXPECT_TRUE(Tlzrw1::decompressBytes(fileWithBlock(0, {0x80}), "t").empty());
}

TEST(Lzrw1Damaged, RandomDamageNeverEscapesAsAnythingButTheException)
{
    Tlzrw1 compressor;
    std::mt19937 random(2024);
    std::vector<Bytes> originals;
    originals.push_back(oneRowTallyFile());
    Bytes text;
    for (int i = 0; i < 3000; ++i)
        text.push_back(static_cast<std::uint8_t>("Anna\r\n12\r\n0\r\n"[i % 13] + (i % 97 == 0)));
    originals.push_back(compressor.compressBytes(text));
    originals.push_back(compressor.compressBytes(Bytes(40000, 'q')));

    int failures = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes file = originals[round % originals.size()];
        const int changes = 1 + int(random() % 4);
        for (int c = 0; c < changes; ++c)
            file[8 + random() % (file.size() - 8)] = static_cast<std::uint8_t>(random());
        if (random() % 4 == 0)
            file.resize(random() % (file.size() + 1));
        try {
            Tlzrw1::decompressBytes(file, "t");
        } catch (const ELzrw1Exception &) {
            ++failures;
        }
    }
    EXPECT_GT(failures, 0);
}
