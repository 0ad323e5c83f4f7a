#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The one reader of numbers written as digits: base 10 or 16 (either letter
// case), no sign, no blanks. Nothing for an empty text, any other
// character, or a value above `limit`. The settings, the wire protocol and
// the grid text build their own forms (signs, "$" prefixes) on it.
std::optional<std::uint64_t> parseDigits(std::string_view digits, int base, std::uint64_t limit);
