// The four pictures of the quick instructions, composed from the board's
// own cells and tiles with arrows and captions drawn over them.

#include "quickinstructions.h"

#include "theme.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdint>
#include <vector>

namespace {

// A block of tiles whose touching sides all match, so every picture shows
// a position that could occur in a game. The same seed gives the same block.
class TileBlock
{
public:
    TileBlock(int cols, int rows, std::uint32_t seed) : m_cols(cols), m_tiles(std::size_t(cols) * rows)
    {
        auto next = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return std::int32_t(1 + (seed >> 24) % 4);
        };
        for (auto &t : m_tiles) {
            t.top = next();
            t.right = next();
            t.bottom = next();
            t.left = next();
        }
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                if (c > 0)
                    at(c, r).left = at(c - 1, r).right;
                if (r > 0)
                    at(c, r).top = at(c, r - 1).bottom;
            }
        }
    }
    tile &at(int col, int row) { return m_tiles[std::size_t(row) * m_cols + col]; }

private:
    int m_cols;
    std::vector<tile> m_tiles;
};

const QColor CaptionColour(50, 30, 10);

void drawFrame(QPainter &p, const QRectF &area)
{
    p.setPen(QPen(QColor(120, 80, 40), 1.5));
    p.setBrush(Theme::paneColour);
    p.drawRoundedRect(area.adjusted(0.75, 0.75, -0.75, -0.75), 6, 6);
}

void drawCaption(QPainter &p, const QRectF &area, const QString &text)
{
    p.setFont(Theme::arial(13, true));
    p.setPen(CaptionColour);
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

// A bent arrow from `from` to `to`; `bend` pushes its middle sideways.
void drawArrow(QPainter &p, QPointF from, QPointF to, qreal bend)
{
    const QPointF mid = (from + to) / 2;
    const QPointF along = to - from;
    const qreal length = qSqrt(along.x() * along.x() + along.y() * along.y());
    if (length < 1)
        return;
    const QPointF normal(-along.y() / length, along.x() / length);
    const QPointF control = mid + normal * bend;
    QPointF tangent = to - control;
    const qreal tangentLength = qSqrt(tangent.x() * tangent.x() + tangent.y() * tangent.y());
    tangent /= tangentLength;
    const QPointF side(-tangent.y(), tangent.x());
    const qreal head = 11;
    const QPointF base = to - tangent * head;

    QPainterPath shaft(from);
    shaft.quadTo(control, base);
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(base + side * head * 0.6);
    tip.lineTo(base - side * head * 0.6);
    tip.closeSubpath();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 20, 20), 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(shaft);
    p.setPen(QPen(QColor(20, 20, 20), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 235, 90));
    p.drawPath(tip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 235, 90), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(shaft);
}

// A numbered step marker.
void drawStep(QPainter &p, QPointF centre, int number)
{
    p.setPen(QPen(QColor(20, 20, 20), 1.5));
    p.setBrush(QColor(255, 235, 90));
    p.drawEllipse(centre, 9, 9);
    p.setFont(Theme::arial(12, true));
    p.setPen(QColor(20, 20, 20));
    p.drawText(QRectF(centre.x() - 9, centre.y() - 9, 18, 18), Qt::AlignCenter, QString::number(number));
}

void drawBoardPart(QPainter &p, const TilePainter &tiles, QPointF origin, qreal cell, int cols, int rows,
                   const std::function<const tile *(int, int)> &tileAt)
{
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QRectF place(origin.x() + c * cell, origin.y() + r * cell, cell, cell);
            if (const tile *t = tileAt(c, r))
                tiles.tileFace(p, place, *t);
            else
                tiles.emptyCell(p, place);
        }
    }
}

// Click a hand tile, then the place on the board.
void placingPicture(QPainter &p, const QSizeF &size, const TilePainter &tiles)
{
    // The panel's next picture begins 5 pixels above this one's bottom.
    const QRectF area(0, 0, size.width(), size.height() - 6);
    drawFrame(p, area);
    constexpr qreal cell = 38;
    const QPointF origin(qRound((area.width() - 6 * cell) / 2), 8);
    TileBlock block(6, 4, 0x5EED01u);
    const bool placed[4][6] = {{false, false, true, false, false, false},
                               {false, true, true, true, false, false},
                               {false, false, true, false, false, false},
                               {false, false, false, false, false, false}};
    drawBoardPart(p, tiles, origin, cell, 6, 4,
                  [&](int c, int r) { return placed[r][c] ? &block.at(c, r) : nullptr; });
    const QPointF target = origin + QPointF(3.5 * cell, 2.5 * cell);

    // The hand, with the tile that fits raised and framed.
    tile hand[5] = {block.at(0, 3), block.at(5, 0), block.at(3, 2), block.at(4, 3), block.at(0, 0)};
    constexpr qreal handCell = 34;
    const qreal handLeft = qRound((area.width() - 5 * handCell - 4 * 10) / 2);
    const qreal handTop = origin.y() + 4 * cell + 26;
    QRectF raised;
    for (int i = 0; i < 5; ++i) {
        QRectF place(handLeft + i * (handCell + 10), handTop, handCell, handCell);
        if (i == 2) {
            place.translate(0, -8);
            raised = place;
        }
        tiles.tileFace(p, place, hand[i]);
    }
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(raised.adjusted(-2.5, -2.5, 2.5, 2.5));

    drawArrow(p, QPointF(raised.center().x(), raised.top() - 4), target, -40);
    drawStep(p, raised.topRight() + QPointF(10, 2), 1);
    drawStep(p, target + QPointF(cell * 0.5 + 8, -cell * 0.5 + 4), 2);
    drawCaption(p, QRectF(8, handTop + handCell + 4, area.width() - 16, area.bottom() - handTop - handCell - 8),
                quickPictureCaption(1));
}

// Two tiles whose touching sides match.
void matchingPicture(QPainter &p, const QSizeF &size, const TilePainter &tiles)
{
    const QRectF area(0, 0, size.width(), size.height());
    drawFrame(p, area);
    constexpr qreal cell = 54;
    TileBlock block(2, 1, 0x5EED02u);
    const QRectF left(qRound((area.width() - 2 * cell) / 2), 10, cell, cell);
    const QRectF right = left.translated(cell, 0);
    tiles.tileFace(p, left, block.at(0, 0));
    tiles.tileFace(p, right, block.at(1, 0));
    const qreal seam = right.left();
    drawArrow(p, QPointF(seam - 30, left.bottom() + 36), QPointF(seam - 9, left.center().y() + 6), 12);
    drawArrow(p, QPointF(seam + 30, left.bottom() + 36), QPointF(seam + 9, left.center().y() + 6), -12);
    drawCaption(p, QRectF(6, left.bottom() + 38, area.width() - 12, area.height() - left.bottom() - 42),
                quickPictureCaption(2));
}

// A four-tile square, outlined.
void squarePicture(QPainter &p, const QSizeF &size, const TilePainter &tiles)
{
    const QRectF area(0, 0, size.width(), size.height());
    drawFrame(p, area);
    constexpr qreal cell = 46;
    TileBlock block(2, 2, 0x5EED03u);
    const QPointF origin(12, qRound((area.height() - 2 * cell) / 2));
    drawBoardPart(p, tiles, origin, cell, 2, 2, [&](int c, int r) { return &block.at(c, r); });
    p.setPen(QPen(QColor(255, 235, 90), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(origin, QSizeF(2 * cell, 2 * cell)).adjusted(-3, -3, 3, 3), 4, 4);
    const qreal textLeft = origin.x() + 2 * cell + 8;
    drawCaption(p, QRectF(textLeft, 6, area.width() - textLeft - 6, area.height() - 12), quickPictureCaption(3));
}

// An empty cell surrounded by tiles: one tile there completes four squares.
void fourSquaresPicture(QPainter &p, const QSizeF &size, const TilePainter &tiles)
{
    const QRectF area(0, 0, size.width(), size.height());
    drawFrame(p, area);
    constexpr qreal cell = 44;
    TileBlock block(3, 3, 0x5EED04u);
    const QPointF origin(qRound((area.width() - 3 * cell) / 2), 8);
    drawBoardPart(p, tiles, origin, cell, 3, 3,
                  [&](int c, int r) { return c == 1 && r == 1 ? nullptr : &block.at(c, r); });
    const QPointF centre = origin + QPointF(1.5 * cell, 1.5 * cell);
    drawArrow(p, QPointF(area.width() - 14, origin.y() + 3 * cell + 16), centre + QPointF(6, 6), -30);
    drawCaption(p, QRectF(6, origin.y() + 3 * cell + 4, area.width() - 30, area.height() - 3 * cell - 16),
                quickPictureCaption(4));
}

} // namespace

QString quickPictureCaption(int picture)
{
    switch (picture) {
    case 1:
        return QCoreApplication::translate("QuickInstructions", "Click a tile in your hand, then click the position on the board where it should go.");
    case 2:
        return QCoreApplication::translate("QuickInstructions", "Sides of tiles must match.");
    case 3:
        return QCoreApplication::translate("QuickInstructions", "This is an example of a four-tile square.");
    case 4:
        return QCoreApplication::translate("QuickInstructions", "A tile placed here completes four four-tile squares at once!");
    default:
        return {};
    }
}

void drawQuickPicture(QPainter &painter, int picture, const QSizeF &size, const TilePainter &tiles)
{
    if (!tiles.emptyCell || !tiles.tileFace)
        return;
    switch (picture) {
    case 1:
        placingPicture(painter, size, tiles);
        break;
    case 2:
        matchingPicture(painter, size, tiles);
        break;
    case 3:
        squarePicture(painter, size, tiles);
        break;
    case 4:
        fourSquaresPicture(painter, size, tiles);
        break;
    default:
        break;
    }
}
