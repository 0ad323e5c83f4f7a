#include "tlzrw1.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytes(std::initializer_list<int> values)
{
    Bytes out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

Bytes toBytes(const std::string &text)
{
    return Bytes(text.begin(), text.end());
}

Bytes compress(const Bytes &input)
{
    Tlzrw1 compressor;
    return compressor.compressBytes(input);
}

Bytes compress(const std::string &text)
{
    return compress(toBytes(text));
}

// The block of the first chunk of a container.
Bytes firstBlock(const Bytes &file)
{
    const std::size_t length = file[8] | file[9] << 8;
    return Bytes(file.begin() + 10, file.begin() + 10 + std::ptrdiff_t(length));
}

Bytes randomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    Bytes out(size);
    for (auto &b : out)
        b = static_cast<std::uint8_t>(random());
    return out;
}

// Text with repeats near and far, runs and a little noise: exercises
// literals, copies and runs alike.
Bytes repetitiveBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    const std::string words[] = {"Tavlix ", "tally ", "0\r\n", "17\r\n", "Anna", "Bo\r\n"};
    Bytes out;
    while (out.size() < size) {
        const unsigned pick = random() % 10;
        if (pick < 6) {
            out.insert(out.end(), words[pick].begin(), words[pick].end());
        } else if (pick == 6) {
            out.insert(out.end(), 10 + random() % 5000, static_cast<std::uint8_t>(random()));
        } else {
            out.push_back(static_cast<std::uint8_t>(random()));
        }
    }
    out.resize(size);
    return out;
}

} // namespace

TEST(Lzrw1Container, EmptyInputIsElevenBytesWithOneStoredEmptyChunk)
{
    EXPECT_EQ(compress(Bytes{}), bytes({0x57, 0x52, 0x5A, 0x4C, 0, 0, 0, 0, 0x01, 0x00, 0x80}));
}

TEST(Lzrw1Container, InputThatDoesNotPayIsStored)
{
    EXPECT_EQ(compress("abc"), bytes({0x57, 0x52, 0x5A, 0x4C, 0x03, 0, 0, 0, 0x04, 0x00, 0x80, 0x61, 0x62, 0x63}));

    const Bytes noise = randomBytes(1000, 7);
    const Bytes file = compress(noise);
    ASSERT_EQ(file.size(), 8u + 2 + 1001);
    EXPECT_EQ(file[8] | file[9] << 8, 1001);
    EXPECT_EQ(file[10], 0x80);
    EXPECT_TRUE(std::equal(noise.begin(), noise.end(), file.begin() + 11));
}

TEST(Lzrw1Coder, RepeatedTriplesBecomeThreeLiteralsAndOneCopy)
{
    const Bytes file = compress("abcabcabcabc");
    EXPECT_EQ(file.size(), 18u);
    EXPECT_EQ(file[8], 0x08);
    EXPECT_EQ(file[9], 0x00);
    EXPECT_EQ(firstBlock(file), bytes({0x40, 0x10, 0x00, 0x61, 0x62, 0x63, 0x00, 0x36}));
}

TEST(Lzrw1Coder, TwentyEqualBytesBecomeOneRun)
{
    EXPECT_EQ(firstBlock(compress(std::string(20, 'A'))), bytes({0x40, 0x80, 0x00, 0x00, 0x00, 0x04, 0x41}));
}

TEST(Lzrw1Coder, OneRowTallyGivesTheKnownTwentyFourBytes)
{
    std::string text = "9\r\n1\r\n";
    for (int i = 0; i < 9; ++i)
        text += "0\r\n";
    ASSERT_EQ(text.size(), 33u);
    EXPECT_EQ(compress(text), bytes({0x57, 0x52, 0x5A, 0x4C, 0x21, 0x00, 0x00, 0x00, 0x0E, 0x00, 0x40, 0x01,
                                     0x80, 0x39, 0x0D, 0x0A, 0x31, 0x0D, 0x0A, 0x30, 0x00, 0x3F, 0x01, 0x25}));
}

TEST(Lzrw1Coder, RunIsTriedBeforeCopy)
{
    // At position 4 "AAA" could copy from position 0, but sixteen equal
    // bytes make a run.
    const Bytes file = compress("AAAB" + std::string(16, 'A'));
    EXPECT_EQ(firstBlock(file), bytes({0x40, 0x08, 0x00, 0x41, 0x41, 0x41, 0x42, 0x00, 0x00, 0x00, 0x41}));
}

TEST(Lzrw1Coder, StartOfARunDoesNotEnterTheHashTable)
{
    // The "AAA" after the B would copy from the run's start if that had
    // been remembered; it comes out as literals instead.
    const Bytes file = compress(std::string(16, 'A') + "BAAAC");
    EXPECT_EQ(firstBlock(file),
              bytes({0x40, 0x80, 0x00, 0x00, 0x00, 0x00, 0x41, 0x42, 0x41, 0x41, 0x41, 0x43}));
}

TEST(Lzrw1Coder, PositionsInsideACopyDoNotEnterTheHashTable)
{
    // "bcd" near the end copies from distance 9 (the literal at 1), not
    // from distance 4 (inside the copy at 5).
    const Bytes file = compress("abcdXabcdYbcdZ");
    EXPECT_EQ(firstBlock(file), bytes({0x40, 0x05, 0x00, 0x61, 0x62, 0x63, 0x64, 0x58, 0x00, 0x51, 0x59, 0x00,
                                       0x90, 0x5A}));
}

TEST(Lzrw1Coder, SeventeenthItemStartsANewControlWord)
{
    const std::string letters = "abcdefghijklmnopq";
    Bytes expected = bytes({0x40, 0x00, 0x00});
    expected.insert(expected.end(), letters.begin(), letters.begin() + 16);
    for (int b : {0x40, 0x00, int('q'), 0x01, 0x1E})
        expected.push_back(static_cast<std::uint8_t>(b));
    EXPECT_EQ(firstBlock(compress(letters + letters)), expected);
}

TEST(Lzrw1Coder, EveryPieceStartsWithAnEmptyHashTable)
{
    // The second piece repeats the first, yet its coding is that of the
    // same bytes standing alone.
    const Bytes first = repetitiveBytes(32768, 3);
    Bytes input = first;
    input.insert(input.end(), first.begin(), first.begin() + 5000);
    const Bytes whole = compress(input);
    const std::size_t firstLength = whole[8] | whole[9] << 8;
    const Bytes second(whole.begin() + 10 + std::ptrdiff_t(firstLength) + 2, whole.end());

    const Bytes alone = compress(Bytes(first.begin(), first.begin() + 5000));
    EXPECT_EQ(second, Bytes(alone.begin() + 10, alone.end()));
}

TEST(Lzrw1Container, LengthAMultipleOfThePieceSizeEndsWithAnEmptyChunk)
{
    const Bytes file = compress(randomBytes(32768, 1));
    ASSERT_EQ(file.size(), 8u + 2 + 32769 + 3);
    EXPECT_EQ(file[4] | file[5] << 8 | file[6] << 16, 32768);
    EXPECT_EQ(file[8] | file[9] << 8, 32769);
    EXPECT_EQ(Bytes(file.end() - 3, file.end()), bytes({0x01, 0x00, 0x80}));
    EXPECT_EQ(Tlzrw1::decompressBytes(file, "x").size(), 32768u);

    const Bytes twoPieces = compress(Bytes(65536, 'z'));
    EXPECT_EQ(Bytes(twoPieces.end() - 3, twoPieces.end()), bytes({0x01, 0x00, 0x80}));
}

TEST(Lzrw1Container, CompressingTwiceGivesIdenticalBytes)
{
    Tlzrw1 compressor;
    const Bytes input = repetitiveBytes(100000, 11);
    const Bytes once = compressor.compressBytes(input);
    compressor.compressBytes(randomBytes(70000, 12));
    EXPECT_EQ(compressor.compressBytes(input), once);
    EXPECT_EQ(compress(input), once);
}

TEST(Lzrw1Container, RoundTripsKeepEveryByte)
{
    const std::size_t sizes[] = {0, 1, 2, 3, 4, 17, 4096, 32767, 32768, 32769, 65535, 65536, 65537, 3 * 32768 + 5};
    unsigned seed = 100;
    for (std::size_t size : sizes) {
        for (const Bytes &input : {randomBytes(size, ++seed), repetitiveBytes(size, ++seed), Bytes(size, 0x41)}) {
            const Bytes file = compress(input);
            EXPECT_EQ(Tlzrw1::decompressBytes(file, "x"), input) << "size " << size;
        }
    }
}
