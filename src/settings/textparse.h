#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Small text helpers shared by the settings profile and colour text.

// ASCII letters compared without regard to case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Digits in base 10 or 16 (either letter case) as a number of at most
// `limit`; nothing for an empty text, any other character, or a larger value.
std::optional<std::uint64_t> parseDigits(std::string_view digits, int base, std::uint64_t limit);
