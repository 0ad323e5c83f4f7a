#pragma once

#include <QList>
#include <QString>

// One piece of a chat line after the name part: a word in the line's look, a
// word shown as a link, or an inline picture.
struct ChatPiece
{
    enum Kind { Word, Link, Picture };

    Kind kind = Word;
    QString text;    // the word with its one trailing space; empty for a picture
    int picture = 0; // picture index 0..17 for Picture pieces
};

// A chat line ("n+body") taken apart the way the chat pane shows it.
struct ChatLine
{
    int look = 0;     // 0 for system lines, seat + 5 for seats 1..9
    QString namePart; // the body up to and including its first ':' (in a system line, one that ends a word)
    QList<ChatPiece> pieces;

    // Picture codes are ":)#" and two characters, 10..27 (picture code - 10).
    static constexpr int FirstPictureCode = 10;
    static constexpr int PictureCount = 18;

    static ChatLine parse(const QString &line);
    // True for a word that is shown as a link: it contains "http://" or
    // "www." in any letter case.
    static bool isLinkWord(const QString &word);
};
