#include "colourtext.h"

#include <array>
#include <cctype>
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

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::optional<ColourValue> parseDigits(std::string_view digits, int base)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFF)
            return std::nullopt;
    }
    return static_cast<ColourValue>(value);
}

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
    if (!text.empty() && text.front() == '$')
        return parseDigits(text.substr(1), 16);
    return parseDigits(text, 10);
}
