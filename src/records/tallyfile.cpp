#include "tallyfile.h"

#include "gridtext.h"
#include "plainfile.h"
#include "tlzrw1.h"

#include <cstring>
#include <vector>

std::string tallyTemporaryPath(const std::string &path)
{
    return atomicTemporaryPath(path);
}

std::string damagedTallyPath(const std::string &path)
{
    return path + ".damaged";
}

std::optional<StringGrid> loadTally(const std::string &path)
{
    const PlainFile content = readPlainFile(path);
    if (content.status == FileRead::Missing)
        return std::nullopt;
    if (!content.ok())
        throw TallyFileError("Unable to read " + path);
    const std::vector<std::uint8_t> bytes(content.bytes.begin(), content.bytes.end());

    const std::vector<std::uint8_t> text = Tlzrw1::decompressBytes(bytes, path);
    try {
        StringGrid grid = LoadGridText(std::string_view(reinterpret_cast<const char *>(text.data()), text.size()));
        // Everything that reads the tally counts on its nine columns and on
        // row 0; a table without them is as damaged as an unreadable one.
        if (grid.colCount() < TallyColumns)
            throw GridTextError("Grid text : the tally has fewer than " + std::to_string(TallyColumns) + " columns");
        if (grid.rowCount() < 1)
            throw GridTextError("Grid text : the tally has no row 0");
        return grid;
    } catch (const GridTextError &error) {
        throw GridTextError(std::string(error.what()) + " : " + path);
    }
}

bool keepDamagedTally(const std::string &path)
{
    const PlainFile content = readPlainFile(path);
    if (content.status == FileRead::Missing)
        return true;
    return content.ok() && replaceFileAtomically(damagedTallyPath(path), content.bytes) == 0;
}

void saveTally(const std::string &path, const StringGrid &grid)
{
    const std::string text = SaveGridText(grid);
    Tlzrw1 compressor;
    const std::vector<std::uint8_t> bytes = compressor.compressBytes(
        std::span(reinterpret_cast<const std::uint8_t *>(text.data()), text.size()));
    const int error = replaceFileAtomically(
        path, std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
    if (error != 0)
        throw TallyFileError("Unable to write to " + path + " (" + std::strerror(error) + ")");
}
