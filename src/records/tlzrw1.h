#pragma once

#include "elzrw1exception.h"
#include "lzrw1kh.h"

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

// How Compress codes its input. Only Fast, the "WRZL" container of
// LZRW1/KH chunks, is built: Good and Auto would choose an LZH-coded
// "!HZL" body, which this program never writes, so both code as Fast.
enum class TCompressMode { Good, Fast, Auto };

// The file compressor of the tally file.
//
// A "WRZL" file is the signature 57 52 5A 4C, the uncompressed size as a
// 32-bit little-endian number, then chunks of a 16-bit little-endian length
// and one LZRW1/KH block, each block coding the next piece of 32768 bytes.
// The first chunk whose piece is shorter than 32768 bytes is the last, so
// an input whose length is a multiple of 32768 (zero included) ends with a
// chunk coding an empty piece.
//
// Failures are raised as ELzrw1Exception with the fixed texts below; an
// output file that was created before the failure is closed and deleted,
// and the input is always closed.
class Tlzrw1
{
public:
    // Allocates the coder's hash table once; fails with
    // "LZRW1KH : no memory for HASH table".
    Tlzrw1();

    // Settings of the file operations.
    std::string InputFile;
    std::string OutputFile;
    TCompressMode CompressMode = TCompressMode::Fast;
    int Threshold = 40; // percent; kept for Auto, which codes as Fast here
    // On: Compress and Decompress read InputStream and write OutputStream
    // instead of the files; InputFile and OutputFile then only name them in
    // error messages.
    bool UseStream = false;
    std::istream *InputStream = nullptr;
    std::ostream *OutputStream = nullptr;

    // Codes the input into the output; returns the number of bytes written.
    std::uint64_t Compress();
    // Decodes the input into the output; returns the number of bytes written.
    std::uint64_t Decompress();

    // The container in memory: the whole file for `input`.
    std::vector<std::uint8_t> compressBytes(std::span<const std::uint8_t> input);
    // Decodes a whole file held in memory. `sourceName` is the file's name
    // as it appears in error messages. Anything after the last chunk is
    // ignored. A damaged file fails with an ELzrw1Exception; the decoder
    // never reads or writes outside its buffers and never produces more
    // than the size the file states.
    static std::vector<std::uint8_t> decompressBytes(std::span<const std::uint8_t> file,
                                                     const std::string &sourceName);

private:
    std::uint64_t compressFiles();
    std::uint64_t decompressFiles();
    // The whole input stream, after checking both streams.
    std::vector<std::uint8_t> readInputStream(const std::string &readErrorSuffix);
    std::uint64_t compressStreams();
    std::uint64_t decompressStreams();

    Lzrw1kh::Coder m_coder;
};
