#include "chatpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace ChatPictures {

namespace {

const QColor Outline(90, 60, 20);
const QColor Ink(60, 35, 10);
constexpr qreal Pi = std::numbers::pi;

// A round face filling most of the picture; the features are drawn on top.
void face(QPainter &p, const QColor &light = QColor(255, 236, 110),
          const QColor &dark = QColor(240, 180, 30))
{
    QRadialGradient shade(QPointF(6.5, 5), 9);
    shade.setColorAt(0, light);
    shade.setColorAt(1, dark);
    p.setPen(QPen(Outline, 1));
    p.setBrush(shade);
    p.drawEllipse(QRectF(1, 0.5, 15, 15));
}

void eyes(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QRectF(5, 4.5, 2, 3));
    p.drawEllipse(QRectF(10, 4.5, 2, 3));
}

void arc(QPainter &p, const QRectF &r, int startDeg, int spanDeg, qreal width = 1.3)
{
    p.setPen(QPen(Ink, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(r, startDeg * 16, spanDeg * 16);
}

void smile(QPainter &p) { face(p); eyes(p); arc(p, QRectF(4.5, 5, 8, 7), 200, 140); }

void grin(QPainter &p)
{
    face(p);
    eyes(p);
    QPainterPath mouth;
    mouth.moveTo(4.5, 9);
    mouth.lineTo(12.5, 9);
    mouth.arcTo(QRectF(4.5, 5, 8, 8), 0, -180);
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawPath(mouth);
}

void wink(QPainter &p)
{
    face(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QRectF(5, 4.5, 2, 3));
    arc(p, QRectF(9.5, 5, 3, 2), 180, 180);
    arc(p, QRectF(4.5, 5, 8, 7), 200, 140);
}

void sad(QPainter &p) { face(p); eyes(p); arc(p, QRectF(5, 10, 7, 5), 30, 120); }

void surprised(QPainter &p)
{
    face(p);
    eyes(p);
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(120, 40, 20));
    p.drawEllipse(QRectF(6.5, 9, 4, 4));
}

void tongue(QPainter &p)
{
    smile(p);
    p.setPen(QPen(QColor(160, 30, 40), 0.8));
    p.setBrush(QColor(235, 90, 110));
    p.drawChord(QRectF(8, 9, 4, 5), 180 * 16, 180 * 16);
}

void cool(QPainter &p)
{
    face(p);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(2, 5.5), QPointF(15, 5.5));
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(3.5, 5, 4.5, 3), 1, 1);
    p.drawRoundedRect(QRectF(9, 5, 4.5, 3), 1, 1);
    arc(p, QRectF(5, 6, 7, 6), 210, 120);
}

void angry(QPainter &p)
{
    face(p, QColor(255, 160, 120), QColor(220, 50, 30));
    eyes(p);
    p.setPen(QPen(Ink, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 3), QPointF(7.5, 4.5));
    p.drawLine(QPointF(13, 3), QPointF(9.5, 4.5));
    arc(p, QRectF(5, 10.5, 7, 4), 30, 120);
}

void crying(QPainter &p)
{
    sad(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 150, 255));
    QPainterPath tear;
    tear.moveTo(5, 8);
    tear.quadTo(3.5, 11, 5, 11.5);
    tear.quadTo(6.5, 11, 5, 8);
    p.drawPath(tear);
}

void laughing(QPainter &p)
{
    face(p);
    arc(p, QRectF(4.5, 4.5, 3, 3), 0, 180);
    arc(p, QRectF(9.5, 4.5, 3, 3), 0, 180);
    QPainterPath mouth;
    mouth.moveTo(4, 8.5);
    mouth.lineTo(13, 8.5);
    mouth.arcTo(QRectF(4, 4, 9, 9.5), 0, -180);
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(150, 30, 30));
    p.drawPath(mouth);
}

void sleepy(QPainter &p)
{
    face(p, QColor(230, 240, 255), QColor(160, 180, 230));
    arc(p, QRectF(4.5, 4, 3, 3), 180, 180);
    arc(p, QRectF(9.5, 4, 3, 3), 180, 180);
    p.drawLine(QPointF(6.5, 11), QPointF(10.5, 11));
}

void heart(QPainter &p)
{
    QPainterPath path;
    path.moveTo(8.5, 15);
    path.cubicTo(0, 9, 0, 1, 5, 1.5);
    path.cubicTo(7, 1.7, 8.5, 3.5, 8.5, 4.5);
    path.cubicTo(8.5, 3.5, 10, 1.7, 12, 1.5);
    path.cubicTo(17, 1, 17, 9, 8.5, 15);
    p.setPen(QPen(QColor(130, 0, 20), 1));
    p.setBrush(QColor(230, 30, 60));
    p.drawPath(path);
}

void star(QPainter &p)
{
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? 7.8 : 3.3;
        const qreal angle = -Pi / 2 + i * Pi / 5;
        points << QPointF(8.5 + radius * std::cos(angle), 8.5 + radius * std::sin(angle));
    }
    p.setPen(QPen(QColor(150, 100, 0), 1));
    p.setBrush(QColor(255, 215, 40));
    p.drawPolygon(points);
}

void sun(QPainter &p)
{
    p.setPen(QPen(QColor(240, 140, 0), 1.3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal angle = i * Pi / 4;
        p.drawLine(QPointF(8.5 + 5 * std::cos(angle), 8 + 5 * std::sin(angle)),
                   QPointF(8.5 + 7.5 * std::cos(angle), 8 + 7.5 * std::sin(angle)));
    }
    p.setPen(QPen(QColor(240, 140, 0), 1));
    p.setBrush(QColor(255, 220, 40));
    p.drawEllipse(QPointF(8.5, 8), 4, 4);
}

void flower(QPainter &p)
{
    p.setPen(QPen(QColor(160, 40, 120), 0.8));
    p.setBrush(QColor(250, 130, 200));
    for (int i = 0; i < 5; ++i) {
        const qreal angle = -Pi / 2 + i * 2 * Pi / 5;
        p.drawEllipse(QPointF(8.5 + 4 * std::cos(angle), 8 + 4 * std::sin(angle)), 3, 3);
    }
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(8.5, 8), 2.3, 2.3);
}

void note(QPainter &p)
{
    p.setPen(QPen(QColor(20, 20, 90), 1.2));
    p.setBrush(QColor(40, 40, 140));
    p.drawEllipse(QRectF(2, 10.5, 5, 4));
    p.drawEllipse(QRectF(10, 9, 5, 4));
    p.drawLine(QPointF(6.5, 12.5), QPointF(6.5, 2.5));
    p.drawLine(QPointF(14.5, 11), QPointF(14.5, 1));
    p.setPen(QPen(QColor(40, 40, 140), 2.2));
    p.drawLine(QPointF(6.5, 3), QPointF(14.5, 1.5));
}

void cup(QPainter &p)
{
    p.setPen(QPen(QColor(90, 50, 20), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(11, 7, 4.5, 4));
    p.setBrush(Qt::white);
    QPainterPath body;
    body.moveTo(2.5, 6);
    body.lineTo(13, 6);
    body.lineTo(12, 13);
    body.quadTo(7.75, 15, 3.5, 13);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(110, 60, 20));
    p.drawEllipse(QRectF(2.5, 5, 10.5, 2));
    p.setPen(QPen(QColor(160, 160, 160), 0.8));
    arc(p, QRectF(5, 0.5, 2, 4), 90, 180, 0.8);
    arc(p, QRectF(8.5, 0.5, 2, 4), 90, 180, 0.8);
}

void moon(QPainter &p)
{
    QPainterPath crescent;
    crescent.addEllipse(QRectF(2, 1, 14, 14));
    QPainterPath cut;
    cut.addEllipse(QRectF(6, -1, 13, 13));
    p.setPen(QPen(QColor(150, 120, 0), 1));
    p.setBrush(QColor(255, 235, 120));
    p.drawPath(crescent.subtracted(cut));
}

using Painter = void (*)(QPainter &);
constexpr std::array<Painter, Count> painters = {
    smile, grin, wink, sad, surprised, tongue, cool, angry, crying,
    laughing, sleepy, heart, star, sun, flower, note, cup, moon,
};

QImage draw(int index)
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    painters[index](p);
    return image;
}

} // namespace

QImage picture(int index)
{
    static std::array<QImage, Count> cache;
    if (index < 0 || index >= Count)
        index = 0;
    if (cache[index].isNull())
        cache[index] = draw(index);
    return cache[index];
}

} // namespace ChatPictures
