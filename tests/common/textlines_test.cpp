#include "textlines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    for (std::string_view line : splitLines(text))
        lines.emplace_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(TextLines, LfOrCrLfEndALineAndALastLineNeedsNoEnd)
{
    EXPECT_EQ(linesOf(""), Lines{});
    EXPECT_EQ(linesOf("a"), Lines{"a"});
    EXPECT_EQ(linesOf("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(linesOf("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(linesOf("\r\n"), Lines{""});
    // A CR that ends no line is part of the text.
    EXPECT_EQ(linesOf("a\rb\r"), Lines{"a\rb\r"});
    EXPECT_EQ(linesOf("a\r\r\n"), Lines{"a\r"});
}

TEST(TextLines, EachLineKnowsItsLineEnd)
{
    const std::string_view text = "a\r\nb\nc";
    const std::vector<std::string_view> lines = splitLines(text);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lineEndAfter(text, lines[0]), "\r\n");
    EXPECT_EQ(lineEndAfter(text, lines[1]), "\n");
    EXPECT_EQ(lineEndAfter(text, lines[2]), "");
    EXPECT_EQ(lines[1].data() - text.data(), 3);
}
