#include "textlines.h"

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        else if (end > pos && text[end - 1] == '\r')
            --end;
        lines.push_back(text.substr(pos, end - pos));
        pos = next;
    }
    return lines;
}

std::string_view lineEndAfter(std::string_view text, std::string_view line)
{
    const std::size_t end = std::size_t(line.data() - text.data()) + line.size();
    if (text.substr(end, 2) == "\r\n")
        return text.substr(end, 2);
    if (text.substr(end, 1) == "\n")
        return text.substr(end, 1);
    return {};
}
