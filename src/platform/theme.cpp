#include "theme.h"

#include <QImage>
#include <QPainter>
#include <QtMath>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include <cstdint>

namespace Theme {

namespace {

// A 128 x 128 tile of faint, wavy grain in the window colour, drawn once.
// Deterministic (its own small generator), so every run looks the same.
QPixmap makeTile()
{
    constexpr int size = 128;
    QImage image(size, size, QImage::Format_RGB32);
    std::uint32_t seed = 0x2545F491u;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 24;
    };
    // Grain: slow waves across the tile plus a little noise; the waves
    // repeat exactly every 128 pixels so the tiling is seamless. A wave
    // repeats every 16 rows, so each column's 16 steps are worked out once
    // (the tile is drawn at every start, before the window shows).
    constexpr int period = 16;
    int wave[size][period];
    for (int x = 0; x < size; ++x) {
        const double sway = 6.0 * qSin(x * M_PI / 32.0);
        for (int y = 0; y < period; ++y)
            wave[x][y] = int(4.0 * qSin((y + sway) * M_PI / 8.0));
    }
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const int shade = wave[x][y % period] + int(next() % 7) - 3;
            line[x] = qRgb(qBound(0, windowColour.red() + shade, 255), qBound(0, windowColour.green() + shade, 255),
                           qBound(0, windowColour.blue() + shade / 2, 255));
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace

QBrush backgroundBrush()
{
    static const QPixmap tile = makeTile();
    return QBrush(windowColour, tile);
}

void applyBackground(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::Window, backgroundBrush());
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont arial(int pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace Theme

namespace Theme {

QPixmap logo(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient plate(0, 0, 0, height);
    plate.setColorAt(0, QColor(78, 128, 188));
    plate.setColorAt(1, QColor(33, 70, 118));
    p.setPen(QPen(QColor(20, 40, 70), 1));
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), height / 5.0, height / 5.0);

    // Four small tiles in the picture colours on the left.
    const QColor pictures[] = {QColor(220, 30, 40), QColor(245, 205, 30), QColor(40, 160, 60), QColor(40, 110, 230)};
    const qreal cell = height * 0.34;
    const qreal gap = cell * 0.18;
    const qreal top = (height - 2 * cell - gap) / 2;
    for (int i = 0; i < 4; ++i) {
        const QRectF r(height * 0.25 + (i % 2) * (cell + gap), top + (i / 2) * (cell + gap), cell, cell);
        p.setPen(QPen(QColor(60, 60, 60), 0.8));
        p.setBrush(QColor(199, 193, 171));
        p.drawRect(r);
        p.setPen(Qt::NoPen);
        p.setBrush(pictures[i]);
        p.drawEllipse(r.center(), cell * 0.28, cell * 0.28);
    }

    QFont font = arial(int(height * 0.62), true);
    font.setLetterSpacing(QFont::PercentageSpacing, 115);
    p.setFont(font);
    const QRectF textArea(height * 0.25 + 2 * cell + gap + height * 0.2, 0, width, height);
    p.setPen(QColor(10, 25, 50));
    p.drawText(textArea.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TAVLIX"));
    p.setPen(QColor(235, 225, 200));
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TAVLIX"));
    return pixmap;
}

} // namespace Theme
