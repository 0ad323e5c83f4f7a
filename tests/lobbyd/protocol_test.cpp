// The lobby protocol's text: lines, invite codes, the keyed derivation of a
// code from a secret, and the table row's fields.
#include "keyedcode.h"
#include "protocol.h"

#include <gtest/gtest.h>

using namespace lobbyd;

namespace {

std::string hex(const Digest &d)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (auto b : d) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

} // namespace

TEST(LobbyProtocol, LinesAreAWordAndEncodedFieldsEachKeyOnce)
{
    auto line = parseLine("HOST name=Ann%20Lee%e2%9c%93 locked=1\r");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->word, "HOST");
    EXPECT_EQ(*line->find("name"), "Ann Lee\xe2\x9c\x93");
    EXPECT_EQ(*line->find("locked"), "1");
    EXPECT_TRUE(parseLine("LIST"));
    EXPECT_TRUE(parseLine("UPDATE name="));
    for (const char *bad : {"", "list", "HOST  name=x", "HOST name=x ", "HOST name", "HOST Name=x",
                            "HOST name=a name=b", "HOST name=a%2", "HOST name=a%zz", "HOST name=a\tb",
                            "HOST name=\xc3\xa9", "TOOLONGWORDOFMORETHANSIXTEEN"})
        EXPECT_FALSE(parseLine(bad)) << bad;
    const std::string name = "A b%c\n\xc3\xa9";
    EXPECT_EQ(formatLine("TABLE", {{"name", name}}), "TABLE name=A%20b%25c%0A%C3%A9\n");
    EXPECT_EQ(*parseLine("TABLE name=A%20b%25c%0A%C3%A9")->find("name"), name);
}

TEST(LobbyProtocol, LineReaderJoinsPiecesAndRefusesOverlongLines)
{
    LineReader reader;
    reader.append("PING\nPI");
    EXPECT_EQ(reader.next(), "PING");
    EXPECT_FALSE(reader.next());
    reader.append("NG\n" + std::string(kMaxLineBytes - 1, 'A') + "\n" + std::string(kMaxLineBytes, 'A'));
    EXPECT_EQ(reader.next(), "PING");
    EXPECT_EQ(reader.next()->size(), kMaxLineBytes - 1);
    EXPECT_TRUE(reader.overlong());
    EXPECT_FALSE(reader.next());
}

TEST(LobbyProtocol, CodesAreEightCharactersWithoutLookAlikesReadInAnyCase)
{
    for (const char c : std::string_view("0O1IL"))
        EXPECT_EQ(kCodeAlphabet.find(c), std::string_view::npos);
    for (const std::uint64_t n : {std::uint64_t(0), std::uint64_t(123456789), kCodeCount - 1}) {
        const std::string code = formatCode(n);
        ASSERT_EQ(code.size(), 10u);
        EXPECT_EQ(code[0], '+');
        EXPECT_EQ(code[5], '-');
        EXPECT_EQ(parseCode(code), n);
    }
    const auto k = parseCode("+K7QX-M2PA");
    ASSERT_TRUE(k);
    EXPECT_EQ(parseCode("+k7qxm2pa"), k);
    EXPECT_EQ(parseCode("K7-QXM2PA"), k);
    EXPECT_EQ(formatCode(*k), "+K7QX-M2PA");
    for (const char *bad : {"+K7QX-M2P", "+K7QX-M2PAB", "+K7QX-M2P0", "+K7QX-M2PO", "+K7QX-M2PI", "+K7QX-M2Pl",
                            "++K7QXM2PA", "+K7QX M2PA", ""})
        EXPECT_FALSE(parseCode(bad)) << bad;
    EXPECT_EQ(normalizeToken(std::string(24, 'a')), std::string(24, 'A'));
    EXPECT_FALSE(normalizeToken(std::string(23, 'A')));
    EXPECT_FALSE(normalizeToken(std::string(24, '0')));
}

TEST(LobbyProtocol, TheCodeIsAKeyedHashOfTheSecret)
{
    // FIPS 180-2 and RFC 4231 (test case 2).
    EXPECT_EQ(hex(sha256("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(hex(sha256(std::string(1000, 'a'))), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3");
    EXPECT_EQ(hex(hmacSha256("Jefe", "what do ya want for nothing?")),
              "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
    const std::string secret = randomToken();
    ASSERT_TRUE(normalizeToken(secret));
    EXPECT_NE(secret, randomToken());
    EXPECT_EQ(codeForSecret("key one", secret), codeForSecret("key one", secret));
    EXPECT_NE(codeForSecret("key one", secret), codeForSecret("key two", secret));
    EXPECT_LT(codeForSecret("key one", secret), kCodeCount);
}

TEST(LobbyProtocol, RowFieldsAreCheckedWholeBeforeAnyIsTaken)
{
    TableRow row;
    auto host = parseLine("HOST name=Ann game=tavlix version=1.0.0 players=2 watchers=0 free=4 state=playing "
                          "round=3 locked=1 visibility=public");
    ASSERT_EQ(applyRowFields(*host, row, true), RowCheck::Ok);
    EXPECT_TRUE(row.isPublic);
    EXPECT_TRUE(row.locked);
    EXPECT_EQ(row.round, 3u);
    EXPECT_EQ(applyRowFields(*parseLine("HOST name=Ann"), row, true), RowCheck::MissingField);
    const TableRow before = row;
    for (const char *bad : {"UPDATE players=100", "UPDATE round=100000", "UPDATE locked=2", "UPDATE name=",
                            "UPDATE visibility=friends", "UPDATE state=Playing", "UPDATE game=a%20b",
                            "UPDATE name=%07bell", "UPDATE name=%C0%80", "UPDATE players=-1", "UPDATE free=1%20"}) {
        auto line = parseLine(std::string(bad) + " watchers=9");
        ASSERT_TRUE(line) << bad;
        EXPECT_EQ(applyRowFields(*line, row, false), RowCheck::BadField) << bad;
        EXPECT_EQ(row.watchers, before.watchers) << bad;
    }
    EXPECT_EQ(applyRowFields(*parseLine("UPDATE name=" + std::string(64, 'x')), row, false), RowCheck::Ok);
    EXPECT_EQ(applyRowFields(*parseLine("UPDATE name=" + std::string(65, 'x')), row, false), RowCheck::BadField);
}
