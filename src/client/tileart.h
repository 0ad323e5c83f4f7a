#pragma once

#include "tile.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPixmap>
#include <QPoint>
#include <QString>

class QPainter;

// The one place that knows how the board's pictures look: the empty cell,
// the tile face and the four symbols (heart, star, ring, drop). Everything is
// drawn from vector paths straight into device pixels, so a picture is as
// sharp at a device pixel ratio of 1.5 or 2 as at 1. Rendered cells are
// cached per (sides, device pixel ratio); the board, the hand and anything
// else that shows a tile draw through here.
namespace TileArt {

inline constexpr int CellSize = 48;
inline constexpr int SymbolSize = 17;

// The empty cell: board blue with a grey bevel.
inline const QColor cellColour(49, 100, 157);
inline const QColor cellTopLeft(96, 96, 96);
inline const QColor cellBottomRight(123, 123, 123);
// The tile face: parchment with a dark bevel.
inline const QColor faceColour(199, 193, 171);
inline const QColor faceTopLeft(66, 66, 66);
inline const QColor faceBottomRight(0, 0, 0);

// A side value is drawable when it is 0 (blank) to 4.
inline constexpr bool validSide(int value) { return value >= NoSide && value <= Drop; }
// A tile as a board cell or hand slot may hold it: every side 1 to 4, or
// (an empty slot) every side 0.
bool validTile(const tile &t);

// "heart", "star", "ring", "drop"; empty for 0 and anything else.
QString symbolName(int value);
// The main colour of a symbol (invalid for 0).
QColor symbolColour(int value);
// A symbol's fill inside its 17 x 17 box (light at the top, shading into the
// main colour halfway down) and the dark rim drawn around it. Anything that
// redraws a symbol outside a QPainter (the scalable icon) takes its looks
// from here.
QLinearGradient symbolFill(int value);
QColor symbolOutlineColour(int value);
// The outline of a symbol inside its 17 x 17 box.
QPainterPath symbolPath(int value);
// Where each side's symbol box sits inside the 48 x 48 cell: index 0 top,
// 1 right, 2 bottom, 3 left.
QPoint symbolOffset(int side);

// The pictures at a device pixel ratio, with that ratio set, so drawing
// them at a logical point maps one image pixel to one device pixel.
QPixmap emptyCell(qreal dpr);
QPixmap tileFace(const tile &t, qreal dpr);

// Draws at the painter's device pixel ratio.
void drawEmptyCell(QPainter &painter, QPoint at);
void drawTile(QPainter &painter, QPoint at, const tile &t);

} // namespace TileArt
