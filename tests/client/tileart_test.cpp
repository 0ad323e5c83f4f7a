#include "boardview.h"
#include "tileart.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// The board view with a tile at (2, 1), rendered at a device pixel ratio.
QImage renderBoard(qreal dpr)
{
    board cells;
    cells.at(2, 1) = tile{Heart, Star, Ring, Drop};
    BoardView view(cells, nullptr);
    QImage image(QSize(BoardView::Width, BoardView::Height) * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    view.render(&image);
    return image;
}

int distance(QRgb a, const QColor &b)
{
    return qAbs(qRed(a) - b.red()) + qAbs(qGreen(a) - b.green()) + qAbs(qBlue(a) - b.blue());
}

// The pixel at logical (x, y), taken from the middle of its device pixels.
QRgb at(const QImage &image, double x, double y)
{
    const qreal dpr = image.devicePixelRatio();
    return image.pixel(int(x * dpr), int(y * dpr));
}

} // namespace

TEST(TilePictures, CellsFacesAndSymbolsHaveTheirColoursAtEveryScale)
{
    for (qreal dpr : {1.0, 2.0}) {
        SCOPED_TRACE(dpr);
        const QImage image = renderBoard(dpr);
        ASSERT_EQ(image.width(), int(480 * dpr));
        // An empty cell: fill, light top-left and dark bottom-right edges.
        EXPECT_EQ(QColor(at(image, 20, 20)), TileArt::cellColour);
        EXPECT_EQ(QColor(at(image, 20, 0)), TileArt::cellTopLeft);
        EXPECT_EQ(QColor(at(image, 47.6, 20)), TileArt::cellBottomRight);
        EXPECT_EQ(QColor(at(image, 20, 433)), TileArt::cellColour) << "the strip under the cells";
        // The tile at (96, 48): its face colour between the symbols and its
        // bevel.
        EXPECT_EQ(QColor(at(image, 96 + 24, 48 + 24)), TileArt::faceColour);
        EXPECT_EQ(QColor(at(image, 96 + 24, 48)), TileArt::faceTopLeft);
        EXPECT_EQ(QColor(at(image, 96 + 47.6, 48 + 24)), TileArt::faceBottomRight);
        // Each side's symbol inside its 17 x 17 box: the heart's lobes at
        // the top, the star's centre at the right, the ring's band at the
        // bottom, the drop's belly at the left.
        EXPECT_LT(distance(at(image, 96 + 14 + 5, 48 + 1 + 7), TileArt::symbolColour(Heart)), 120);
        EXPECT_LT(distance(at(image, 96 + 30 + 8.5, 48 + 16 + 10), TileArt::symbolColour(Star)), 120);
        EXPECT_LT(distance(at(image, 96 + 14 + 3, 48 + 28 + 8.5), TileArt::symbolColour(Ring)), 120);
        EXPECT_EQ(QColor(at(image, 96 + 14 + 8.5, 48 + 28 + 8.5)), TileArt::faceColour) << "the ring's hole";
        EXPECT_LT(distance(at(image, 48 * 2 + 1 + 8.5, 48 + 16 + 12), TileArt::symbolColour(Drop)), 120);
        EXPECT_EQ(QColor(at(image, 96 + 1 + 1, 48 + 16 + 1)), TileArt::faceColour) << "the drop's box corner";
    }
}

TEST(TilePictures, TwiceTheScaleIsDrawnSharpNotBlownUp)
{
    const QImage image = renderBoard(2.0);
    // The bevel is two whole device pixels, the face starts right after it:
    // a smooth upscale would leave mixed pixels at the seams.
    const int y = (48 + 24) * 2;
    EXPECT_EQ(QColor(image.pixel(96 * 2, y)), TileArt::faceTopLeft);
    EXPECT_EQ(QColor(image.pixel(96 * 2 + 1, y)), TileArt::faceTopLeft);
    EXPECT_EQ(QColor(image.pixel(96 * 2 + 2, y)), TileArt::faceColour);
    EXPECT_EQ(QColor(image.pixel(96 * 2 - 1, y)), TileArt::cellBottomRight);

    // Across the ring (bottom box), no more than two pixels in a row are a
    // blend: the edges are drawn at full resolution, not interpolated.
    const QColor ring = TileArt::symbolColour(Ring);
    const int row = (48 + 28) * 2 + 17; // through the ring's centre
    int run = 0;
    int longest = 0;
    int ringPixels = 0;
    for (int x = (96 + 14) * 2; x < (96 + 14 + 17) * 2; ++x) {
        const QRgb pixel = image.pixel(x, row);
        const bool pure = distance(pixel, TileArt::faceColour) < 24 || distance(pixel, ring) < 90 ||
                          qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel))) < 90; // the dark rim
        ringPixels += distance(pixel, ring) < 90 ? 1 : 0;
        run = pure ? 0 : run + 1;
        longest = qMax(longest, run);
    }
    EXPECT_GE(ringPixels, 8) << "the band is there, twice as wide as at scale 1";
    EXPECT_LE(longest, 2);
}

TEST(TilePictures, ATileNamesItsSidesAndOddValuesDrawBlank)
{
    EXPECT_TRUE(TileArt::validTile(tile{1, 2, 3, 4}));
    EXPECT_TRUE(TileArt::validTile(tile{}));
    EXPECT_FALSE(TileArt::validTile(tile{0, 2, 3, 4}));
    EXPECT_FALSE(TileArt::validTile(tile{1, 5, 3, 4}));
    EXPECT_FALSE(TileArt::validTile(tile{1, 2, -1, 4}));
    // A side the art does not know is drawn as a blank, never read out of
    // the symbol table.
    const QImage odd = TileArt::tileFace(tile{9, 9, 9, 9}, 1.0).toImage();
    const QImage blank = TileArt::tileFace(tile{}, 1.0).toImage();
    EXPECT_EQ(odd, blank);
}
