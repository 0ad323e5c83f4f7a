#pragma once

#include "tile.h"

#include <QRectF>
#include <QWidget>

#include <functional>

class QPainter;

// How the quick instructions draw the game's own cells and tiles, so their
// pictures always look like the board.
struct TilePainter
{
    std::function<void(QPainter &, const QRectF &)> emptyCell;
    std::function<void(QPainter &, const QRectF &, const tile &)> tileFace;
};

// The quick instructions (`panel_help`): a panel over the board and the
// hand with a title, the goal in one sentence, four pictures that explain
// placing, matching and squares, and the DONE picture button. It starts
// hidden; the main window shows it from Help, "Quick Instructions" and at
// the first login.
class QuickInstructions : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 484;
    static constexpr int Height = 525;

    explicit QuickInstructions(QWidget *panelBoard);

    // Shows the panel in front of the board.
    void showOver();

signals:
    // The DONE button (`button_doneClick` of the main window).
    void doneClicked();
};

// Draws quick-instruction picture 1 to 4 into a widget of its size.
void drawQuickPicture(QPainter &painter, int picture, const QSizeF &size, const TilePainter &tiles);
// The caption that picture 1 to 4 carries.
QString quickPictureCaption(int picture);
