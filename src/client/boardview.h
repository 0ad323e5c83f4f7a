#pragma once

#include "board.h"

#include <QPoint>
#include <QWidget>

#include <bitset>
#include <functional>

// `paintbox_board`: the client's copy of the board, drawn as 48-pixel cells
// through TileArt. It paints only the cells that meet the area to repaint;
// whoever changes a cell asks for that cell's rectangle. Over the cells it
// draws the faint frames of the cells where the raised tile fits and, while
// it has the keyboard focus, the keyboard cursor.
//
// The view holds no game logic: releases and keys go to the owner's hooks.
class BoardView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 480;
    static constexpr int Height = 434;

    BoardView(const ::board &cells, QWidget *parent);

    static QRect cellRect(int column, int row);

    // The keyboard cursor; kept on the board.
    QPoint cursorCell() const { return m_cursor; }
    void setCursorCell(QPoint cell);

    // Cells framed as places where the raised tile fits (X-major index).
    using CellSet = std::bitset<::board::Columns * ::board::Rows>;
    static int cellIndex(int column, int row) { return column * ::board::Rows + row; }
    void setFits(const CellSet &fits);
    const CellSet &fits() const { return m_fits; }

    // Repaints one cell (a placement, a loaded cell).
    void updateCell(int column, int row);

    // A mouse button released over the view, in the view's pixels.
    std::function<void(Qt::MouseButton button, int x, int y)> released;
    // A key pressed while the view has the focus; true when it was used.
    std::function<bool(int key)> keyPressed;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void describeCursor();

    const ::board &m_board;
    QPoint m_cursor{4, 4};
    CellSet m_fits;
};
