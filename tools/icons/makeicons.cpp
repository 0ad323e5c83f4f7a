// Writes the program's icon in the hicolor layout below the folder given on
// the command line: 48, 128 and 256 pixel PNGs and a scalable SVG. The icon
// is a tile face showing all four symbols (heart on top, then star, ring and
// drop clockwise), drawn by TileArt, so it looks exactly like the tiles in
// the game. The SVG is written from the same paths and colours.

#include "tileart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

namespace {

const QString IconName = QStringLiteral("com.orvelsoftware.Tavlix");
const tile IconTile{Heart, Star, Ring, Drop};

QString number(qreal value)
{
    return QString::number(value, 'f', 3).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

QString colour(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

// SVG path data of a QPainterPath: move, line and cubic elements.
QString pathData(const QPainterPath &path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            if (i > 0)
                data += QLatin1Char('Z');
            data += QStringLiteral("M%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isLineTo()) {
            data += QStringLiteral("L%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            data += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                        .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x), number(end.y));
            i += 2;
        }
    }
    return data + QLatin1Char('Z');
}

QString svgIcon()
{
    QString svg;
    QTextStream out(&svg);
    const int size = TileArt::CellSize;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size << "\" height=\"" << size
        << "\" viewBox=\"0 0 " << size << ' ' << size << "\">\n"
        << "  <title>Tavlix</title>\n  <defs>\n";
    for (int value = Heart; value <= Drop; ++value) {
        const QLinearGradient fill = TileArt::symbolFill(value);
        out << "    <linearGradient id=\"" << TileArt::symbolName(value)
            << "\" gradientUnits=\"userSpaceOnUse\" x1=\"" << number(fill.start().x()) << "\" y1=\""
            << number(fill.start().y()) << "\" x2=\"" << number(fill.finalStop().x()) << "\" y2=\""
            << number(fill.finalStop().y()) << "\">\n";
        for (const QGradientStop &stop : fill.stops())
            out << "      <stop offset=\"" << number(stop.first) << "\" stop-color=\"" << colour(stop.second)
                << "\"/>\n";
        out << "    </linearGradient>\n";
    }
    out << "  </defs>\n";
    // The face with its one-pixel bevel: dark below and right, lighter above
    // and left, painted in that order as TileArt does.
    out << "  <rect width=\"48\" height=\"48\" fill=\"" << colour(TileArt::faceColour) << "\"/>\n"
        << "  <rect y=\"47\" width=\"48\" height=\"1\" fill=\"" << colour(TileArt::faceBottomRight) << "\"/>\n"
        << "  <rect x=\"47\" width=\"1\" height=\"48\" fill=\"" << colour(TileArt::faceBottomRight) << "\"/>\n"
        << "  <rect width=\"48\" height=\"1\" fill=\"" << colour(TileArt::faceTopLeft) << "\"/>\n"
        << "  <rect width=\"1\" height=\"48\" fill=\"" << colour(TileArt::faceTopLeft) << "\"/>\n";
    const int sides[4] = {IconTile.top, IconTile.right, IconTile.bottom, IconTile.left};
    for (int side = 0; side < 4; ++side) {
        const int value = sides[side];
        const QPainterPath path = TileArt::symbolPath(value);
        const QPoint at = TileArt::symbolOffset(side);
        out << "  <path transform=\"translate(" << at.x() << ' ' << at.y() << ")\" fill=\"url(#"
            << TileArt::symbolName(value) << ")\" fill-rule=\""
            << (path.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero") << "\" stroke=\""
            << colour(TileArt::symbolOutlineColour(value))
            << "\" stroke-width=\"1\" stroke-linejoin=\"round\" stroke-linecap=\"round\" d=\"" << pathData(path)
            << "\"/>\n";
    }
    out << "</svg>\n";
    return svg;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <hicolor folder>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int size : {48, 128, 256}) {
        const QImage image = TileArt::tileFace(IconTile, size / qreal(TileArt::CellSize)).toImage();
        const QString path = root.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(IconName));
        QDir().mkpath(QFileInfo(path).path());
        if (image.size() != QSize(size, size) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString svgPath = root.filePath(QStringLiteral("scalable/apps/%1.svg").arg(IconName));
    if (!writeFile(svgPath, svgIcon().toUtf8())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svgPath));
        return 1;
    }
    return 0;
}
