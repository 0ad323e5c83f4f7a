#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// How a host's secret becomes its invite code, so that the same secret gives
// the same code after a restart of either side while the service keeps no
// table on disk: the code is HMAC-SHA-256 of the secret under the service's
// key, reduced to one of the 31^8 codes. Without the key nobody can pick a
// secret for a wanted code, and a code tells nothing of its secret.
namespace lobbyd {

using Digest = std::array<std::uint8_t, 32>;

Digest sha256(std::string_view data);
Digest hmacSha256(std::string_view key, std::string_view message);

// The code number (below kCodeCount) of a secret in its upper-case form.
std::uint64_t codeForSecret(std::string_view key, std::string_view secret);

// `count` bytes from the kernel's random source (getrandom).
std::string randomBytes(std::size_t count);
// A fresh secret or ticket: kTokenLength characters of the code alphabet,
// about 119 random bits.
std::string randomToken();

} // namespace lobbyd
