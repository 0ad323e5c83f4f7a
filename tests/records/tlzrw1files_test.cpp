#include "filesizelimit.h"
#include "scratchfolder.h"
#include "tlzrw1.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>
#include <string>

namespace {

std::string failureOf(Tlzrw1 &compressor, bool compress)
{
    try {
        if (compress)
            compressor.Compress();
        else
            compressor.Decompress();
    } catch (const ELzrw1Exception &error) {
        return error.what();
    }
    return "no failure";
}

std::string noise(std::size_t size)
{
    std::mt19937 random(5);
    std::string out(size, '\0');
    for (char &c : out)
        c = static_cast<char>(random());
    return out;
}

} // namespace

TEST(Lzrw1Files, CompressThenDecompressRestoresTheFileAndCountsBytesWritten)
{
    ScratchFolder folder;
    const std::string original = noise(50000) + std::string(40000, 'x');
    writeWholeFile(folder.file("in.txt"), original);

    Tlzrw1 compressor;
    compressor.InputFile = folder.file("in.txt");
    compressor.OutputFile = folder.file("packed.tld");
    const std::uint64_t packed = compressor.Compress();
    EXPECT_EQ(packed, std::filesystem::file_size(folder.file("packed.tld")));

    compressor.InputFile = folder.file("packed.tld");
    compressor.OutputFile = folder.file("out.txt");
    EXPECT_EQ(compressor.Decompress(), original.size());
    EXPECT_EQ(readWholeFile(folder.file("out.txt")), original);
}

TEST(Lzrw1Files, EveryModeWritesTheFastContainer)
{
    ScratchFolder folder;
    writeWholeFile(folder.file("in.txt"), "abcabcabcabc");
    std::string written[3];
    const TCompressMode modes[] = {TCompressMode::Fast, TCompressMode::Good, TCompressMode::Auto};
    for (int i = 0; i < 3; ++i) {
        Tlzrw1 compressor;
        compressor.CompressMode = modes[i];
        compressor.InputFile = folder.file("in.txt");
        compressor.OutputFile = folder.file("out.tld");
        compressor.Compress();
        written[i] = readWholeFile(folder.file("out.tld"));
    }
    EXPECT_EQ(written[0].size(), 18u);
    EXPECT_EQ(written[1], written[0]);
    EXPECT_EQ(written[2], written[0]);
}

TEST(Lzrw1Files, MissingInputIsNamedInTheMessage)
{
    ScratchFolder folder;
    Tlzrw1 compressor;
    compressor.InputFile = folder.file("absent.txt");
    compressor.OutputFile = folder.file("out.tld");
    EXPECT_EQ(failureOf(compressor, true), "Lzrw1 compression : Failed to obtain the size of : " + folder.file("absent.txt"));
    EXPECT_EQ(failureOf(compressor, false), "Lzrw1 (de)compression : Failed to open input file : " + folder.file("absent.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.tld")));
}

TEST(Lzrw1Files, OutputThatCannotBeCreatedIsNamedInTheMessage)
{
    ScratchFolder folder;
    writeWholeFile(folder.file("in.txt"), "abc");
    const std::string output = folder.unwritableFolder() + "/out.tld";
    Tlzrw1 compressor;
    compressor.InputFile = folder.file("in.txt");
    compressor.OutputFile = output;
    EXPECT_EQ(failureOf(compressor, true), "Lzrw1 (de)compression : Failed to open output file : " + output);
}

TEST(Lzrw1Files, DamagedInputDeletesTheOutputItCreated)
{
    ScratchFolder folder;
    writeWholeFile(folder.file("bad.tld"), std::string("WRZL\x21\0\0\0\x0E\0\x40", 11));
    writeWholeFile(folder.file("out.txt"), "older content");
    Tlzrw1 compressor;
    compressor.InputFile = folder.file("bad.tld");
    compressor.OutputFile = folder.file("out.txt");
    EXPECT_EQ(failureOf(compressor, false), "Lzrw1 : Error reading from input file : " + folder.file("bad.tld"));
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.txt")));

    writeWholeFile(folder.file("bad.tld"), "NOPE1234");
    EXPECT_EQ(failureOf(compressor, false), folder.file("bad.tld") + " : Lzrw1 decompression : this file has no valid header !");
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.txt")));
}

TEST(Lzrw1Files, FailedWriteNamesTheOutputAndDeletesIt)
{
    ScratchFolder folder;
    writeWholeFile(folder.file("in.txt"), noise(20000));
    Tlzrw1 compressor;
    compressor.InputFile = folder.file("in.txt");
    compressor.OutputFile = folder.file("out.tld");
    std::string message;
    {
        FileSizeLimit limit(4096);
        message = failureOf(compressor, true);
    }
    EXPECT_EQ(message, "Lzrw1 : Error writing to output file : " + folder.file("out.tld"));
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.tld")));
}

TEST(Lzrw1Files, InputAndOutputBeingOneFileLeavesTheFileAlone)
{
    ScratchFolder folder;
    writeWholeFile(folder.file("same.txt"), "keep me");
    Tlzrw1 compressor;
    compressor.InputFile = folder.file("same.txt");
    compressor.OutputFile = folder.file("same.txt");
    EXPECT_EQ(failureOf(compressor, true), "Lzrw1 (de)compression : Failed to open output file : " + folder.file("same.txt"));
    EXPECT_EQ(readWholeFile(folder.file("same.txt")), "keep me");
}

TEST(Lzrw1Files, StreamsReplaceTheFilesWhenAsked)
{
    std::istringstream input("abcabcabcabc");
    std::ostringstream packed;
    Tlzrw1 compressor;
    compressor.UseStream = true;
    compressor.InputStream = &input;
    compressor.OutputStream = &packed;
    EXPECT_EQ(compressor.Compress(), 18u);

    std::istringstream packedInput(packed.str());
    std::ostringstream output;
    compressor.InputStream = &packedInput;
    compressor.OutputStream = &output;
    EXPECT_EQ(compressor.Decompress(), 12u);
    EXPECT_EQ(output.str(), "abcabcabcabc");
}
