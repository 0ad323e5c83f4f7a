#include "colourtext.h"

#include <gtest/gtest.h>

TEST(ColourText, NamedColoursAreWrittenByName)
{
    EXPECT_EQ(colourToText(ColourBlack), "clBlack");
    EXPECT_EQ(colourToText(colourValue(0, 0, 128)), "clNavy");
    EXPECT_EQ(colourToText(colourValue(192, 192, 192)), "clSilver");
    EXPECT_EQ(colourToText(colourValue(255, 255, 255)), "clWhite");
}

TEST(ColourText, OtherColoursAreDollarAndEightHexDigitsBlueGreenRed)
{
    EXPECT_EQ(colourToText(colourValue(1, 2, 3)), "$00030201");
    EXPECT_EQ(colourToText(colourValue(0xAB, 0xCD, 0xEF)), "$00EFCDAB");
}

TEST(ColourText, NamesReadWithoutRegardToCase)
{
    EXPECT_EQ(colourFromText("clNavy"), colourValue(0, 0, 128));
    EXPECT_EQ(colourFromText("clblack"), ColourBlack);
    EXPECT_EQ(colourFromText("CLFUCHSIA"), colourValue(255, 0, 255));
}

TEST(ColourText, NumbersReadAsHexOrDecimal)
{
    EXPECT_EQ(colourFromText("$000000FF"), ColourRed);
    EXPECT_EQ(colourFromText("$ff0000"), ColourBlue);
    EXPECT_EQ(colourFromText("255"), ColourRed);
    EXPECT_EQ(colourFromText("0"), ColourBlack);
}

TEST(ColourText, TextThatIsNotAColourDoesNotConvert)
{
    for (const char *bad : {"", "purple", "$", "$GG", "12a", "-1", " clRed", "$01000000", "99999999999"})
        EXPECT_FALSE(colourFromText(bad).has_value()) << bad;
}

TEST(ColourText, EveryWrittenTextReadsBack)
{
    for (ColourValue c : {ColourBlack, ColourRed, colourValue(1, 2, 3), colourValue(128, 128, 0), colourValue(255, 254, 253)})
        EXPECT_EQ(colourFromText(colourToText(c)), c);
}
