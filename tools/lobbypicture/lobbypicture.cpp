// Renders the lobby download window's picture: a corner of the blue board
// with a cluster of placed tiles whose touching sides match, and the
// launcher's name on a plate below. Deterministic, so the committed JPEG can
// be made again byte for byte on the same Qt.
//
//   tavlix_lobbypicture <output.jpg>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int Width = 160;
constexpr int Height = 120;
constexpr int Cell = 22;
const QColor Board(49, 100, 157);

// Sides: 1 heart, 2 star, 3 ring, 4 drop.
QColor sideColour(int side)
{
    switch (side) {
    case 1: return QColor(196, 48, 56);
    case 2: return QColor(222, 176, 40);
    case 3: return QColor(58, 150, 78);
    default: return QColor(70, 150, 214);
    }
}

QPainterPath symbol(int side, QPointF c, qreal r)
{
    QPainterPath path;
    switch (side) {
    case 1: // heart
        path.moveTo(c.x(), c.y() + r);
        path.cubicTo(c.x() - 1.6 * r, c.y() - 0.1 * r, c.x() - 0.7 * r, c.y() - 1.3 * r, c.x(), c.y() - 0.4 * r);
        path.cubicTo(c.x() + 0.7 * r, c.y() - 1.3 * r, c.x() + 1.6 * r, c.y() - 0.1 * r, c.x(), c.y() + r);
        break;
    case 2: // star
        for (int i = 0; i < 10; ++i) {
            const qreal a = -M_PI / 2 + i * M_PI / 5;
            const qreal rr = i % 2 ? r * 0.45 : r;
            const QPointF p(c.x() + rr * qCos(a), c.y() + rr * qSin(a));
            i ? path.lineTo(p) : path.moveTo(p);
        }
        path.closeSubpath();
        break;
    case 3: // ring
        path.addEllipse(c, r, r);
        path.addEllipse(c, r * 0.5, r * 0.5);
        break;
    default: // drop
        path.moveTo(c.x(), c.y() - r);
        path.cubicTo(c.x() + 0.2 * r, c.y() - 0.4 * r, c.x() + r, c.y() + 0.1 * r, c.x(), c.y() + r);
        path.cubicTo(c.x() - r, c.y() + 0.1 * r, c.x() - 0.2 * r, c.y() - 0.4 * r, c.x(), c.y() - r);
        break;
    }
    return path;
}

// One tile at the cell's top-left corner; sides in the order top, right,
// bottom, left.
void drawTile(QPainter &p, QPointF at, const std::array<int, 4> &sides)
{
    const QRectF r(at, QSizeF(Cell, Cell));
    const QPointF centre = r.center();
    const std::array<QPointF, 4> corners = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    for (int k = 0; k < 4; ++k) {
        QPainterPath wedge;
        wedge.moveTo(centre);
        wedge.lineTo(corners[k]);
        wedge.lineTo(corners[(k + 1) % 4]);
        wedge.closeSubpath();
        p.fillPath(wedge, sideColour(sides[k]));
        const QPointF mid = (corners[k] + corners[(k + 1) % 4]) / 2;
        const QPointF spot = centre + (mid - centre) * 0.62;
        p.fillPath(symbol(sides[k], spot, Cell * 0.14), QColor(255, 250, 240));
    }
    p.setPen(QPen(QColor(30, 30, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavlix_lobbypicture <output.jpg>\n");
        return 2;
    }

    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Board);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The board's grid.
    p.setPen(QPen(Board.lighter(125), 1));
    for (int x = 3; x < Width; x += Cell)
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, Height));
    for (int y = 2; y < Height; y += Cell)
        p.drawLine(QPointF(0, y + 0.5), QPointF(Width, y + 0.5));

    // A cluster whose touching sides agree: every inner edge takes one
    // picture, shared by the two tiles that meet there.
    std::uint32_t seed = 20261207u;
    auto pick = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return int(seed >> 30) + 1;
    };
    constexpr int Columns = 5, Rows = 3;
    int across[Rows + 1][Columns];    // horizontal edges
    int down[Rows][Columns + 1];      // vertical edges
    for (auto &row : across)
        for (int &e : row)
            e = pick();
    for (auto &row : down)
        for (int &e : row)
            e = pick();
    const bool placed[Rows][Columns] = {{false, true, true, true, false},
                                        {true, true, true, true, true},
                                        {false, true, true, false, false}};
    for (int y = 0; y < Rows; ++y) {
        for (int x = 0; x < Columns; ++x) {
            if (placed[y][x])
                drawTile(p, QPointF(3 + Cell * (x + 1) + 1, 2 + Cell * y + 1),
                         {across[y][x], down[y][x + 1], across[y + 1][x], down[y][x]});
        }
    }

    // The plate with the launcher's name.
    const QRectF plate(6, 78, Width - 12, 36);
    QLinearGradient shine(plate.topLeft(), plate.bottomLeft());
    shine.setColorAt(0, QColor(240, 214, 160));
    shine.setColorAt(1, QColor(196, 146, 86));
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.setBrush(shine);
    p.drawRoundedRect(plate, 7, 7);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(17);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(60, 36, 16));
    p.drawText(plate.adjusted(0, 0, 0, -13), Qt::AlignCenter, QStringLiteral("The Orvel Lobby"));
    font.setPixelSize(10);
    font.setBold(false);
    p.setFont(font);
    p.drawText(plate.adjusted(0, 19, 0, 0), Qt::AlignCenter, QStringLiteral("meet players - host - join"));
    p.end();

    if (!image.save(QString::fromLocal8Bit(argv[1]), "JPEG", 90)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
