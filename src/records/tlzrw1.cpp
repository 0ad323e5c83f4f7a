#include "tlzrw1.h"

#include "plainfile.h"

#include <cstdio>
#include <filesystem>
#include <istream>
#include <iterator>
#include <memory>
#include <new>
#include <ostream>
#include <system_error>

namespace {

const std::string NoMemory = "Lzrw1 (de)compression : Failed to get memory for I/O buffers !";
const std::string NoSize = "Lzrw1 compression : Failed to obtain the size of : ";
const std::string NoInput = "Lzrw1 (de)compression : Failed to open input file : ";
const std::string NoOutput = "Lzrw1 (de)compression : Failed to open output file : ";
const std::string WriteError = "Lzrw1 : Error writing to output file : ";
const std::string ReadError = "Lzrw1 : Error reading from input file : ";
const std::string SizeMismatch = "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";

constexpr std::uint32_t SignatureWrzl = 0x4C5A5257; // "WRZL"
constexpr std::uint32_t SignatureHzl = 0x4C5A4821;  // "!HZL"

std::uint32_t readLe32(const std::uint8_t *at)
{
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24;
}

void appendLe32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The whole input file as bytes, with the compressor's messages for a file
// that cannot be opened or read (`readErrorSuffix` tells the operation).
std::vector<std::uint8_t> readInputFile(const std::string &path, const std::string &readErrorSuffix)
{
    const PlainFile input = readPlainFile(path);
    if (input.status == FileRead::ReadError)
        throw ELzrw1Exception(ReadError + path + readErrorSuffix);
    if (!input.ok())
        throw ELzrw1Exception(NoInput + path);
    return std::vector<std::uint8_t>(input.bytes.begin(), input.bytes.end());
}

bool sameFile(const std::string &a, const std::string &b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

// The output file of one operation: created at once, deleted again unless
// the operation completes.
class CreatedOutput
{
public:
    explicit CreatedOutput(const std::string &path)
        : m_path(path)
    {
        m_file.reset(std::fopen(path.c_str(), "wb"));
        if (!m_file)
            throw ELzrw1Exception(NoOutput + path);
    }
    ~CreatedOutput()
    {
        if (m_file) {
            m_file.reset();
            std::remove(m_path.c_str());
        }
    }
    void writeAndClose(const std::vector<std::uint8_t> &data)
    {
        const bool written = std::fwrite(data.data(), 1, data.size(), m_file.get()) == data.size();
        const bool closed = std::fclose(m_file.release()) == 0;
        if (!written || !closed) {
            std::remove(m_path.c_str());
            throw ELzrw1Exception(WriteError + m_path);
        }
    }

private:
    std::string m_path;
    FileHandle m_file;
};

} // namespace

Tlzrw1::Tlzrw1()
try : m_coder() {
} catch (const std::bad_alloc &) {
    throw ELzrw1Exception("LZRW1KH : no memory for HASH table");
}

std::uint64_t Tlzrw1::Compress()
{
    try {
        return UseStream ? compressStreams() : compressFiles();
    } catch (const std::bad_alloc &) {
        throw ELzrw1Exception(NoMemory);
    }
}

std::uint64_t Tlzrw1::Decompress()
{
    try {
        return UseStream ? decompressStreams() : decompressFiles();
    } catch (const std::bad_alloc &) {
        throw ELzrw1Exception(NoMemory);
    }
}

std::uint64_t Tlzrw1::compressFiles()
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(InputFile, ec);
    if (ec)
        throw ELzrw1Exception(NoSize + InputFile);
    if (size > 0xFFFFFFFFu)
        throw ELzrw1Exception("Lzrw1 compression : the input is 4 GiB or larger : " + InputFile);

    const std::vector<std::uint8_t> data = readInputFile(InputFile, " (LZRW1/KH)");
    if (data.size() > 0xFFFFFFFFu)
        throw ELzrw1Exception("Lzrw1 compression : the input is 4 GiB or larger : " + InputFile);
    // Creating the output would empty the input when both are one file.
    if (sameFile(InputFile, OutputFile))
        throw ELzrw1Exception(NoOutput + OutputFile);
    CreatedOutput output(OutputFile);

    const std::vector<std::uint8_t> coded = compressBytes(data);
    output.writeAndClose(coded);
    return coded.size();
}

std::uint64_t Tlzrw1::decompressFiles()
{
    const std::vector<std::uint8_t> data = readInputFile(InputFile, "");
    if (sameFile(InputFile, OutputFile))
        throw ELzrw1Exception(NoOutput + OutputFile);
    CreatedOutput output(OutputFile);

    const std::vector<std::uint8_t> decoded = decompressBytes(data, InputFile);
    output.writeAndClose(decoded);
    return decoded.size();
}

std::vector<std::uint8_t> Tlzrw1::readInputStream(const std::string &readErrorSuffix)
{
    if (!InputStream || !*InputStream)
        throw ELzrw1Exception(NoInput + InputFile);
    if (!OutputStream || !*OutputStream)
        throw ELzrw1Exception(NoOutput + OutputFile);
    std::vector<std::uint8_t> data(std::istreambuf_iterator<char>(*InputStream), {});
    if (InputStream->bad())
        throw ELzrw1Exception(ReadError + InputFile + readErrorSuffix);
    return data;
}

std::uint64_t Tlzrw1::compressStreams()
{
    const std::vector<std::uint8_t> data = readInputStream(" (LZRW1/KH)");
    if (data.size() > 0xFFFFFFFFu)
        throw ELzrw1Exception("Lzrw1 compression : the input is 4 GiB or larger : " + InputFile);
    const std::vector<std::uint8_t> coded = compressBytes(data);
    if (!OutputStream->write(reinterpret_cast<const char *>(coded.data()), std::streamsize(coded.size())))
        throw ELzrw1Exception(WriteError + OutputFile);
    return coded.size();
}

std::uint64_t Tlzrw1::decompressStreams()
{
    const std::vector<std::uint8_t> data = readInputStream("");
    const std::vector<std::uint8_t> decoded = decompressBytes(data, InputFile);
    if (!OutputStream->write(reinterpret_cast<const char *>(decoded.data()), std::streamsize(decoded.size())))
        throw ELzrw1Exception(WriteError + OutputFile);
    return decoded.size();
}

std::vector<std::uint8_t> Tlzrw1::compressBytes(std::span<const std::uint8_t> input)
{
    if (input.size() > 0xFFFFFFFFu)
        throw ELzrw1Exception("Lzrw1 compression : the input is 4 GiB or larger : ");
    using Lzrw1kh::PieceSize;
    std::vector<std::uint8_t> out;
    out.reserve(8 + input.size() + input.size() / PieceSize * 3 + 3 + Lzrw1kh::CoderSlack);
    appendLe32(out, SignatureWrzl);
    appendLe32(out, static_cast<std::uint32_t>(input.size()));

    std::size_t offset = 0;
    for (;;) {
        const std::size_t size = std::min(PieceSize, input.size() - offset);
        const std::size_t lengthAt = out.size();
        out.resize(lengthAt + 2 + size + Lzrw1kh::CoderSlack);
        const std::size_t length = m_coder.codePiece(input.data() + offset, size, out.data() + lengthAt + 2);
        out[lengthAt] = static_cast<std::uint8_t>(length);
        out[lengthAt + 1] = static_cast<std::uint8_t>(length >> 8);
        out.resize(lengthAt + 2 + length);
        offset += size;
        if (size < PieceSize)
            break;
    }
    return out;
}

std::vector<std::uint8_t> Tlzrw1::decompressBytes(std::span<const std::uint8_t> file, const std::string &sourceName)
{
    using Lzrw1kh::PieceSize;
    if (file.size() < 4)
        throw ELzrw1Exception(ReadError + sourceName);
    const std::uint32_t signature = readLe32(file.data());
    if (signature == SignatureHzl)
        throw ELzrw1Exception("Lzrw1 decompression : LZH-coded (\"!HZL\") files are not supported : " + sourceName);
    if (signature != SignatureWrzl)
        throw ELzrw1Exception(sourceName + " : Lzrw1 decompression : this file has no valid header !");
    if (file.size() < 8)
        throw ELzrw1Exception(ReadError + sourceName);
    const std::uint32_t expected = readLe32(file.data() + 4);

    std::vector<std::uint8_t> out;
    std::vector<std::uint8_t> piece(PieceSize);
    std::size_t at = 8;
    std::size_t decoded = PieceSize;
    while (decoded == PieceSize) {
        if (file.size() - at < 2)
            throw ELzrw1Exception(ReadError + sourceName);
        const std::size_t length = std::size_t(file[at]) | std::size_t(file[at + 1]) << 8;
        at += 2;
        if (length > Lzrw1kh::MaxBlockSize)
            throw ELzrw1Exception("Lzrw1 decompression : damaged file, a chunk is longer than 32769 bytes : " + sourceName);
        if (file.size() - at < length)
            throw ELzrw1Exception(ReadError + sourceName);
        const Lzrw1kh::DecodeError error = Lzrw1kh::decodeBlock(file.data() + at, length, piece.data(), decoded);
        if (error != Lzrw1kh::DecodeError::None)
            throw ELzrw1Exception(std::string("Lzrw1 decompression : damaged file, ") + Lzrw1kh::describe(error) + " : " + sourceName);
        at += length;
        // The stated size bounds the output, so a damaged file cannot make
        // the decoder grow without end.
        if (decoded > expected - out.size())
            throw ELzrw1Exception(SizeMismatch);
        out.insert(out.end(), piece.begin(), piece.begin() + std::ptrdiff_t(decoded));
    }
    if (out.size() != expected)
        throw ELzrw1Exception(SizeMismatch);
    return out;
}
