// libFuzzer target for the tally file's decoder. Any input must either
// decode or fail with ELzrw1Exception, without touching memory outside the
// decoder's buffers (AddressSanitizer checks that). Whatever decodes must
// code and decode back to the same bytes, and so must the raw input.

#include "gridtext.h"
#include "tlzrw1.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Tlzrw1 compressor;
    const std::span<const std::uint8_t> input(data, size);

    try {
        const std::vector<std::uint8_t> text = Tlzrw1::decompressBytes(input, "fuzz.tld");
        if (Tlzrw1::decompressBytes(compressor.compressBytes(text), "again") != text)
            std::abort();
        try {
            LoadGridText(std::string_view(reinterpret_cast<const char *>(text.data()), text.size()));
        } catch (const GridTextError &) {
        }
    } catch (const ELzrw1Exception &) {
    }

    if (Tlzrw1::decompressBytes(compressor.compressBytes(input), "raw") !=
        std::vector<std::uint8_t>(input.begin(), input.end()))
        std::abort();
    return 0;
}
