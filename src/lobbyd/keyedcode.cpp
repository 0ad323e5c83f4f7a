#include "keyedcode.h"

#include "protocol.h"

#include <cstring>
#include <stdexcept>
#include <sys/random.h>

namespace lobbyd {

namespace {

constexpr std::uint32_t kRound[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

std::uint32_t rotr(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

void compress(std::uint32_t state[8], const std::uint8_t block[64])
{
    std::uint32_t w[64];
    for (int i = 0; i < 16; ++i)
        w[i] = std::uint32_t(block[4 * i]) << 24 | std::uint32_t(block[4 * i + 1]) << 16 |
               std::uint32_t(block[4 * i + 2]) << 8 | std::uint32_t(block[4 * i + 3]);
    for (int i = 16; i < 64; ++i) {
        const std::uint32_t s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
        const std::uint32_t s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    std::uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
    for (int i = 0; i < 64; ++i) {
        const std::uint32_t t1 = h + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + kRound[i] + w[i];
        const std::uint32_t t2 = (rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
        h = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
    state[4] += e;
    state[5] += f;
    state[6] += g;
    state[7] += h;
}

} // namespace

Digest sha256(std::string_view data)
{
    std::uint32_t state[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                              0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::size_t at = 0;
    for (; at + 64 <= data.size(); at += 64)
        compress(state, reinterpret_cast<const std::uint8_t *>(data.data() + at));
    std::uint8_t tail[128] = {};
    const std::size_t rest = data.size() - at;
    std::memcpy(tail, data.data() + at, rest);
    tail[rest] = 0x80;
    const std::size_t tailLength = rest + 9 <= 64 ? 64 : 128;
    const std::uint64_t bits = std::uint64_t(data.size()) * 8;
    for (int i = 0; i < 8; ++i)
        tail[tailLength - 1 - i] = static_cast<std::uint8_t>(bits >> (8 * i));
    compress(state, tail);
    if (tailLength == 128)
        compress(state, tail + 64);
    Digest out;
    for (int i = 0; i < 8; ++i)
        for (int k = 0; k < 4; ++k)
            out[4 * i + k] = static_cast<std::uint8_t>(state[i] >> (24 - 8 * k));
    return out;
}

Digest hmacSha256(std::string_view key, std::string_view message)
{
    std::string block(64, '\0');
    if (key.size() > 64) {
        const Digest hashed = sha256(key);
        std::memcpy(block.data(), hashed.data(), hashed.size());
    } else {
        std::memcpy(block.data(), key.data(), key.size());
    }
    std::string inner(64, '\0'), outer(64, '\0');
    for (int i = 0; i < 64; ++i) {
        inner[i] = static_cast<char>(block[i] ^ 0x36);
        outer[i] = static_cast<char>(block[i] ^ 0x5c);
    }
    const Digest innerHash = sha256(inner + std::string(message));
    return sha256(outer + std::string(reinterpret_cast<const char *>(innerHash.data()), innerHash.size()));
}

std::uint64_t codeForSecret(std::string_view key, std::string_view secret)
{
    // The first 64 bits of the MAC, reduced; the bias of the reduction is
    // below 2^-24 per code.
    const Digest mac = hmacSha256(key, std::string("tavlix-lobby-code\n") + std::string(secret));
    std::uint64_t value = 0;
    for (int i = 0; i < 8; ++i)
        value = value << 8 | mac[i];
    return value % kCodeCount;
}

std::string randomBytes(std::size_t count)
{
    std::string out(count, '\0');
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = getrandom(out.data() + got, count - got, 0);
        if (n < 0)
            throw std::runtime_error("the kernel's random source failed");
        got += static_cast<std::size_t>(n);
    }
    return out;
}

std::string randomToken()
{
    // Rejection sampling keeps every character equally likely: bytes of
    // 248 or more (8 * 31) are drawn again.
    std::string out;
    while (out.size() < kTokenLength) {
        for (const char byte : randomBytes(kTokenLength * 2)) {
            const auto b = static_cast<unsigned char>(byte);
            if (b < 248 && out.size() < kTokenLength)
                out += kCodeAlphabet[b % kCodeAlphabet.size()];
        }
    }
    return out;
}

} // namespace lobbyd
