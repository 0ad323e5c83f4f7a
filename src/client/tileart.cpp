#include "tileart.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QtMath>

namespace TileArt {

namespace {

struct SymbolLook
{
    QColor light;   // top of the fill
    QColor base;    // bottom of the fill, the colour players name
    QColor outline; // a dark rim, so the shape reads on the pale face
};

const SymbolLook &look(int value)
{
    static const SymbolLook looks[] = {
        {{}, {}, {}},
        {QColor(240, 86, 96), QColor(204, 24, 40), QColor(104, 8, 18)},    // heart
        {QColor(255, 236, 120), QColor(247, 196, 0), QColor(128, 84, 0)},  // star
        {QColor(92, 196, 112), QColor(26, 140, 58), QColor(8, 72, 26)},    // ring
        {QColor(96, 160, 255), QColor(24, 92, 214), QColor(8, 36, 110)},   // drop
    };
    return looks[validSide(value) ? value : 0];
}

QPainterPath heart()
{
    QPainterPath path;
    path.moveTo(8.5, 15.6);
    path.cubicTo(4.2, 12.4, 1.0, 9.6, 1.2, 6.0);
    path.cubicTo(1.4, 2.6, 5.8, 0.8, 8.5, 4.4);
    path.cubicTo(11.2, 0.8, 15.6, 2.6, 15.8, 6.0);
    path.cubicTo(16.0, 9.6, 12.8, 12.4, 8.5, 15.6);
    path.closeSubpath();
    return path;
}

QPainterPath star()
{
    // Eight points, alternating between an outer and an inner radius.
    QPainterPath path;
    const QPointF centre(8.5, 8.5);
    for (int i = 0; i < 16; ++i) {
        const double radius = i % 2 == 0 ? 8.0 : 3.7;
        const double angle = -M_PI / 2 + i * M_PI / 8;
        const QPointF point = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath ring()
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addEllipse(QPointF(8.5, 8.5), 7.2, 7.2);
    path.addEllipse(QPointF(8.5, 8.5), 3.6, 3.6);
    return path;
}

QPainterPath drop()
{
    // A teardrop, point up, round belly below.
    QPainterPath path;
    path.moveTo(8.5, 0.8);
    path.cubicTo(9.8, 4.0, 13.9, 7.4, 13.9, 10.6);
    path.arcTo(QRectF(3.1, 5.2, 10.8, 10.8), 0, -180);
    path.cubicTo(3.1, 7.4, 7.2, 4.0, 8.5, 0.8);
    path.closeSubpath();
    return path;
}

// A bevelled square in device pixels: the fill, then a border of `width`
// pixels, light on the top and left edges and dark on the bottom and right.
void bevel(QPainter &painter, int size, int width, const QColor &fill, const QColor &topLeft,
           const QColor &bottomRight)
{
    painter.fillRect(0, 0, size, size, fill);
    painter.fillRect(0, size - width, size, width, bottomRight);
    painter.fillRect(size - width, 0, width, size, bottomRight);
    painter.fillRect(0, 0, size, width, topLeft);
    painter.fillRect(0, 0, width, size, topLeft);
}

QImage blank(qreal dpr, int &size, int &border)
{
    size = qRound(CellSize * dpr);
    border = qMax(1, qRound(dpr));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPixmap finish(QImage &image, qreal dpr)
{
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

// Cache key: the four sides in base 5 (0..624), then the ratio in
// hundredths above them.
quint64 cacheKey(const tile &t, qreal dpr)
{
    const quint64 sides = quint64(((t.top * 5 + t.right) * 5 + t.bottom) * 5 + t.left);
    return (quint64(qRound(dpr * 100)) << 16) | sides;
}

QPixmap renderFace(const tile &t, qreal dpr)
{
    int size = 0;
    int border = 0;
    QImage image = blank(dpr, size, border);
    QPainter painter(&image);
    bevel(painter, size, border, faceColour, faceTopLeft, faceBottomRight);
    painter.setRenderHint(QPainter::Antialiasing);
    const int sides[4] = {t.top, t.right, t.bottom, t.left};
    for (int side = 0; side < 4; ++side) {
        const int value = sides[side];
        if (value == NoSide)
            continue;
        const SymbolLook &colours = look(value);
        painter.save();
        painter.scale(dpr, dpr);
        painter.translate(symbolOffset(side));
        painter.setBrush(symbolFill(value));
        painter.setPen(QPen(colours.outline, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(symbolPath(value));
        painter.restore();
    }
    painter.end();
    return finish(image, dpr);
}

// Device pixels per logical pixel where the painter draws: the screen's
// ratio on screen, the target's when a widget is rendered into an image.
qreal deviceScale(const QPainter &painter)
{
    const qreal scale = painter.deviceTransform().m11();
    return scale > 0 ? scale : painter.device()->devicePixelRatioF();
}

} // namespace

bool validTile(const tile &t)
{
    const int sides[4] = {t.top, t.right, t.bottom, t.left};
    bool allZero = true;
    bool allSet = true;
    for (int value : sides) {
        allZero = allZero && value == NoSide;
        allSet = allSet && value >= Heart && value <= Drop;
    }
    return allZero || allSet;
}

QString symbolName(int value)
{
    switch (value) {
    //: One of the four pictures on a tile's sides
    case Heart: return QCoreApplication::translate("TileArt", "heart");
    //: One of the four pictures on a tile's sides
    case Star: return QCoreApplication::translate("TileArt", "star");
    //: One of the four pictures on a tile's sides
    case Ring: return QCoreApplication::translate("TileArt", "ring");
    //: One of the four pictures on a tile's sides
    case Drop: return QCoreApplication::translate("TileArt", "drop");
    default: return {};
    }
}

QColor symbolColour(int value)
{
    return look(value).base;
}

QLinearGradient symbolFill(int value)
{
    const SymbolLook &colours = look(value);
    QLinearGradient fill(0, 1, 0, 16);
    fill.setColorAt(0, colours.light);
    fill.setColorAt(0.55, colours.base);
    return fill;
}

QColor symbolOutlineColour(int value)
{
    return look(value).outline;
}

QPainterPath symbolPath(int value)
{
    static const QPainterPath paths[] = {QPainterPath(), heart(), star(), ring(), drop()};
    return paths[validSide(value) ? value : 0];
}

QPoint symbolOffset(int side)
{
    static const QPoint offsets[4] = {QPoint(14, 1), QPoint(30, 16), QPoint(14, 28), QPoint(1, 16)};
    return offsets[side & 3];
}

QPixmap emptyCell(qreal dpr)
{
    static QHash<int, QPixmap> cache;
    const int key = qRound(dpr * 100);
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    int size = 0;
    int border = 0;
    QImage image = blank(dpr, size, border);
    QPainter painter(&image);
    bevel(painter, size, border, cellColour, cellTopLeft, cellBottomRight);
    painter.end();
    return cache.insert(key, finish(image, dpr)).value();
}

QPixmap tileFace(const tile &t, qreal dpr)
{
    // Sides outside 0..4 never reach the cache: they draw as blanks.
    tile drawn = t;
    for (std::int32_t *value : {&drawn.top, &drawn.right, &drawn.bottom, &drawn.left}) {
        if (!validSide(*value))
            *value = NoSide;
    }
    static QHash<quint64, QPixmap> cache;
    const quint64 key = cacheKey(drawn, dpr);
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    return cache.insert(key, renderFace(drawn, dpr)).value();
}

void drawEmptyCell(QPainter &painter, QPoint at)
{
    painter.drawPixmap(at, emptyCell(deviceScale(painter)));
}

void drawTile(QPainter &painter, QPoint at, const tile &t)
{
    painter.drawPixmap(at, tileFace(t, deviceScale(painter)));
}

} // namespace TileArt
