#include "colourtext.h"

#include "textparse.h"

#include <array>
#include <cstdio>

namespace {

struct NamedColour
{
    const char *name;
    ColourValue value;
};

constexpr std::array<NamedColour, 16> namedColours{{
    {"clBlack", colourValue(0, 0, 0)},
    {"clMaroon", colourValue(128, 0, 0)},
    {"clGreen", colourValue(0, 128, 0)},
    {"clOlive", colourValue(128, 128, 0)},
    {"clNavy", colourValue(0, 0, 128)},
    {"clPurple", colourValue(128, 0, 128)},
    {"clTeal", colourValue(0, 128, 128)},
    {"clGray", colourValue(128, 128, 128)},
    {"clSilver", colourValue(192, 192, 192)},
    {"clRed", colourValue(255, 0, 0)},
    {"clLime", colourValue(0, 255, 0)},
    {"clYellow", colourValue(255, 255, 0)},
    {"clBlue", colourValue(0, 0, 255)},
    {"clFuchsia", colourValue(255, 0, 255)},
    {"clAqua", colourValue(0, 255, 255)},
    {"clWhite", colourValue(255, 255, 255)},
}};

} // namespace

std::string colourToText(ColourValue colour)
{
    for (const NamedColour &named : namedColours) {
        if (named.value == colour)
            return named.name;
    }
    char text[10];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(colour));
    return text;
}

std::optional<ColourValue> colourFromText(std::string_view text)
{
    for (const NamedColour &named : namedColours) {
        if (equalsIgnoringCase(text, named.name))
            return named.value;
    }
    const bool hex = !text.empty() && text.front() == '$';
    const std::optional<std::uint64_t> value = parseDigits(hex ? text.substr(1) : text, hex ? 16 : 10, 0xFFFFFF);
    if (!value)
        return std::nullopt;
    return static_cast<ColourValue>(*value);
}
