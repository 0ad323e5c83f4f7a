#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A 24-bit colour held as blue * 65536 + green * 256 + red, the form in which
// colours travel in chat messages and in the settings file.
using ColourValue = std::uint32_t;

constexpr ColourValue colourValue(int red, int green, int blue)
{
    return static_cast<ColourValue>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}
constexpr int colourRed(ColourValue c) { return c & 0xFF; }
constexpr int colourGreen(ColourValue c) { return (c >> 8) & 0xFF; }
constexpr int colourBlue(ColourValue c) { return (c >> 16) & 0xFF; }

constexpr ColourValue ColourBlack = colourValue(0, 0, 0);
constexpr ColourValue ColourRed = colourValue(255, 0, 0);
constexpr ColourValue ColourBlue = colourValue(0, 0, 255);

// Colour text: one of the sixteen names ("clBlack", "clMaroon", ... "clWhite")
// when the colour has one, otherwise "$" and eight upper-case hex digits of
// the value ("$00BBGGRR").
std::string colourToText(ColourValue colour);

// Reads colour text: a name matched without regard to case, a decimal
// integer, or "$" followed by hex digits. Nothing when the text does not
// convert, or names a value beyond 24 bits; callers apply their default
// (red in chat, black in the settings).
std::optional<ColourValue> colourFromText(std::string_view text);
