#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Small text helpers shared by the settings profile and colour text; the
// digit reader itself lives in digits.h.
#include "digits.h"

// ASCII letters compared without regard to case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);
