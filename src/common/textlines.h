#pragma once

#include <string_view>
#include <vector>

// The one line splitter. Cuts text into lines that end in LF, with an
// optional CR before it; the line ends are not part of the lines. A last
// line without a line end still counts; a text that ends in a line end has
// no empty line after it. The views point into `text`, so a caller can find
// where each line stands.
std::vector<std::string_view> splitLines(std::string_view text);

// The line end that follows `line` in `text` ("\r\n", "\n" or nothing at
// the end of the text); `line` must be one of splitLines(text).
std::string_view lineEndAfter(std::string_view text, std::string_view line);
