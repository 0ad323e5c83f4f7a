#include "chatline.h"
#include "chatpictures.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

QStringList texts(const ChatLine &line)
{
    QStringList out;
    for (const ChatPiece &piece : line.pieces)
        out << (piece.kind == ChatPiece::Picture ? QStringLiteral("#%1").arg(piece.picture) : piece.text);
    return out;
}

} // namespace

TEST(ChatLine, SeatsOneToNineUseLooksSixToFourteenAndZeroIsSystem)
{
    EXPECT_EQ(ChatLine::parse("0+hi").look, 0);
    EXPECT_EQ(ChatLine::parse("1+hi").look, 6);
    EXPECT_EQ(ChatLine::parse("9+hi").look, 14);
}

TEST(ChatLine, NumbersThatAreNoSeatFallBackToTheSystemLook)
{
    for (const char *line : {"x+hi", "10+hi", "-1+hi", "+hi", " 3+hi"})
        EXPECT_EQ(ChatLine::parse(line).look, 0) << line;
    const ChatLine noPlus = ChatLine::parse("just text");
    EXPECT_EQ(noPlus.look, 0);
    EXPECT_EQ(texts(noPlus), QStringList({"just ", "text "}));
}

TEST(ChatLine, NamePartRunsUpToAndIncludingTheFirstColon)
{
    const ChatLine line = ChatLine::parse("2+Ann chats: a:b");
    EXPECT_EQ(line.namePart, "Ann chats:");
    EXPECT_EQ(texts(line), QStringList({" ", "a:b "}));
}

TEST(ChatLine, ASystemLineKeepsAnIPv6AddressWhole)
{
    const ChatLine line = ChatLine::parse("0+Join at 2001:db8::5. Or: ask");
    EXPECT_EQ(line.namePart, "Join at 2001:db8::5. Or:");
    EXPECT_TRUE(ChatLine::parse("0+Join at 2001:db8::5.").namePart.isEmpty());
}

TEST(ChatLine, BodyWithoutColonHasAnEmptyNamePart)
{
    const ChatLine line = ChatLine::parse("2+Ann waves");
    EXPECT_TRUE(line.namePart.isEmpty());
    EXPECT_EQ(texts(line), QStringList({"Ann ", "waves "}));
}

TEST(ChatLine, EveryWordKeepsOneTrailingSpaceAndRunsOfSpacesBecomeWords)
{
    EXPECT_EQ(texts(ChatLine::parse("0+a  b")), QStringList({"a ", " ", "b "}));
    EXPECT_TRUE(ChatLine::parse("0+").pieces.isEmpty());
}

TEST(ChatLine, PictureCodeSplitsTheTextAroundAnInlinePicture)
{
    EXPECT_EQ(texts(ChatLine::parse("1+Bo chats: ab:)#11cd")), QStringList({" ", "ab ", "#1", "cd "}));
    EXPECT_EQ(texts(ChatLine::parse("1+Bo: :)#10:)#27")), QStringList({" ", " ", "#0", " ", "#17"}));
}

TEST(ChatLine, CodesThatAreNotTenToTwentySevenShowPictureTen)
{
    for (const char *line : {"1+Bo: :)#28", "1+Bo: :)#ab", "1+Bo: :)#09", "1+Bo: :)#9", "1+Bo: :)#", "1+Bo: :)#+1"}) {
        const ChatLine parsed = ChatLine::parse(line);
        ASSERT_FALSE(parsed.pieces.isEmpty()) << line;
        EXPECT_EQ(parsed.pieces.last().kind, ChatPiece::Picture) << line;
        EXPECT_EQ(parsed.pieces.last().picture, 0) << line;
    }
    // A short code at the end takes only what is there.
    EXPECT_EQ(texts(ChatLine::parse("1+Bo: :)#1")), QStringList({" ", " ", "#0"}));
}

TEST(ChatLine, WordsWithAWebAddressInAnyCaseAreLinks)
{
    const ChatLine line = ChatLine::parse("1+Bo: see WWW.Example.com or (HTTP://x.org) now");
    QStringList links;
    for (const ChatPiece &piece : line.pieces) {
        if (piece.kind == ChatPiece::Link)
            links << piece.text;
    }
    EXPECT_EQ(links, QStringList({"WWW.Example.com ", "(HTTP://x.org) "}));
    EXPECT_FALSE(ChatLine::isLinkWord("www"));
    EXPECT_FALSE(ChatLine::isLinkWord("http:/x"));
}

TEST(ChatPictures, EighteenDistinctPicturesOfSeventeenBySixteen)
{
    QSet<QByteArray> seen;
    for (int i = 0; i < ChatPictures::Count; ++i) {
        const QImage image = ChatPictures::picture(i);
        ASSERT_EQ(image.size(), QSize(17, 16)) << i;
        const QByteArray bits(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
        EXPECT_NE(bits.count('\0'), bits.size()) << "picture " << i << " is empty";
        seen.insert(bits);
    }
    EXPECT_EQ(seen.size(), ChatPictures::Count);
    EXPECT_EQ(ChatPictures::picture(99), ChatPictures::picture(0));
}
