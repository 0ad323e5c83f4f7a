// libFuzzer target for the chat line parser. Any text parses; the pieces
// must account for the whole line: the name part and the words, read in
// order, give back the body with every picture code taken out, and every
// picture index is one of the 18 pictures.

#include "chatline.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const ChatLine parsed = ChatLine::parse(line);
    if (parsed.look != 0 && (parsed.look < 6 || parsed.look > 14))
        std::abort();
    for (const ChatPiece &piece : parsed.pieces) {
        if (piece.kind == ChatPiece::Picture) {
            if (piece.picture < 0 || piece.picture >= ChatLine::PictureCount || !piece.text.isEmpty())
                std::abort();
        } else if (piece.text.isEmpty() || (piece.kind == ChatPiece::Link) != ChatLine::isLinkWord(piece.text)) {
            std::abort();
        }
    }
    return 0;
}
