#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPixmap>

class QWidget;

// The game's shared look: the tan background with its tiled picture, which
// every window uses, and the fixed pixel-sized fonts of the windows.
namespace Theme {

inline const QColor windowColour(205, 156, 100);
inline const QColor paneColour(226, 196, 165);   // chat, lists, text pages
inline const QColor boardColour(49, 100, 157);
inline const QColor buttonColour(65, 90, 133);

// The tiled background picture over windowColour.
QBrush backgroundBrush();
// Gives a window or panel the tiled background.
void applyBackground(QWidget *widget);
// Arial at a size in pixels (not points), so layouts do not scale with the
// desktop's text size.
QFont arial(int pixels, bool bold = false);

} // namespace Theme

namespace Theme {
// The product logo: "TAVLIX" on a blue plate with the four tile pictures.
QPixmap logo(int width, int height);
} // namespace Theme
