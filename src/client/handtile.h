#pragma once

#include "tile.h"

#include <QColor>
#include <QWidget>

#include <functional>

// One picture of the hand, `image_tile1` to `image_tile7`: draws its tile
// through TileArt, or nothing for an empty slot. Its slot is its "tag"
// property; its accessible name names the slot and the four sides.
class HandTile : public QWidget
{
    Q_OBJECT
public:
    HandTile(int slot, QWidget *parent);

    int slot() const { return m_slot; }
    const tile &shown() const { return m_tile; }
    void setTile(const tile &t);

    // A click (press and release of the left button inside the picture).
    std::function<void(int slot)> clicked;

    // "Tile 3: heart, star, ring, drop" or "Tile 3: empty".
    static QString describe(int slot, const tile &t);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_slot;
    tile m_tile;
    bool m_pressed = false;
};

// A rectangle outline drawn inside its bounds with a pen of a whole number
// of pixels and no fill (`image_highlite`, `image_newtile`). Clicks pass
// through it to what lies below.
class FrameShape : public QWidget
{
    Q_OBJECT
public:
    FrameShape(const QColor &colour, int penWidth, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
    int m_penWidth;
};
