#include "boardview.h"

#include "tileart.h"
#include "uitext.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

BoardView::BoardView(const ::board &cells, QWidget *parent) : QWidget(parent), m_board(cells)
{
    setObjectName(QStringLiteral("paintbox_board"));
    UiText::set(this, staticMetaObject, QT_TR_NOOP("Board"), UiText::Role::AccessibleName);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted from the board, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(Width, Height);
    describeCursor();
}

QRect BoardView::cellRect(int column, int row)
{
    return QRect(TileArt::CellSize * column, TileArt::CellSize * row, TileArt::CellSize, TileArt::CellSize);
}

void BoardView::setCursorCell(QPoint cell)
{
    cell.setX(qBound(0, cell.x(), ::board::Columns - 1));
    cell.setY(qBound(0, cell.y(), ::board::Rows - 1));
    if (cell == m_cursor)
        return;
    update(cellRect(m_cursor.x(), m_cursor.y()));
    m_cursor = cell;
    updateCell(m_cursor.x(), m_cursor.y());
}

void BoardView::updateCell(int column, int row)
{
    update(cellRect(column, row));
    // A new tile makes its neighbours' fitting frames touching ones.
    if (m_fits.any())
        update(cellRect(column - 1, row - 1).united(cellRect(column + 1, row + 1)));
    if (QPoint(column, row) == m_cursor)
        describeCursor();
}

void BoardView::setFits(const CellSet &fits)
{
    const CellSet changed = fits ^ m_fits;
    m_fits = fits;
    for (int column = 0; column < ::board::Columns; ++column) {
        for (int row = 0; row < ::board::Rows; ++row) {
            if (changed.test(cellIndex(column, row)))
                updateCell(column, row);
        }
    }
}

void BoardView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    // The two pixel rows under the last row of cells.
    painter.fillRect(dirty & QRect(0, ::board::Rows * TileArt::CellSize, Width, Height), TileArt::cellColour);

    for (int column = 0; column < ::board::Columns; ++column) {
        for (int row = 0; row < ::board::Rows; ++row) {
            const QRect cell = cellRect(column, row);
            if (!cell.intersects(dirty))
                continue;
            if (m_board.taken(column, row))
                TileArt::drawTile(painter, cell.topLeft(), m_board.at(column, row));
            else
                TileArt::drawEmptyCell(painter, cell.topLeft());
        }
    }

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    if (m_fits.any()) {
        // Faint frames; a little clearer where the tile would touch a
        // neighbour (and score), since on an open board almost every cell fits.
        const QPen open(QColor(255, 255, 255, 60), 1.5);
        const QPen touching(QColor(255, 255, 255, 150), 1.5);
        for (int column = 0; column < ::board::Columns; ++column) {
            for (int row = 0; row < ::board::Rows; ++row) {
                const QRect cell = cellRect(column, row);
                if (!m_fits.test(cellIndex(column, row)) || !cell.intersects(dirty))
                    continue;
                const bool touches = m_board.taken(column - 1, row) || m_board.taken(column + 1, row) ||
                                     m_board.taken(column, row - 1) || m_board.taken(column, row + 1);
                painter.setPen(touches ? touching : open);
                painter.drawRoundedRect(QRectF(cell).adjusted(5.5, 5.5, -5.5, -5.5), 4, 4);
            }
        }
    }
    if (hasFocus()) {
        // Light on dark, so the cursor shows on the blue cells and on tiles.
        const QRectF cursor = QRectF(cellRect(m_cursor.x(), m_cursor.y())).adjusted(2, 2, -2, -2);
        painter.setPen(QPen(QColor(20, 20, 20), 4));
        painter.drawRoundedRect(cursor, 3, 3);
        painter.setPen(QPen(QColor(255, 214, 10), 2));
        painter.drawRoundedRect(cursor, 3, 3);
    }
}

void BoardView::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (released)
        released(event->button(), qFloor(event->position().x()), qFloor(event->position().y()));
}

void BoardView::keyPressEvent(QKeyEvent *event)
{
    if (keyPressed && keyPressed(event->key()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void BoardView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    updateCell(m_cursor.x(), m_cursor.y());
}

void BoardView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    updateCell(m_cursor.x(), m_cursor.y());
}

void BoardView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        describeCursor();
}

void BoardView::describeCursor()
{
    const tile &t = m_board.at(m_cursor.x(), m_cursor.y());
    //: An empty cell of the board
    QString content = tr("empty");
    if (!t.isEmpty()) {
        content = QStringList{TileArt::symbolName(t.top), TileArt::symbolName(t.right), TileArt::symbolName(t.bottom),
                              TileArt::symbolName(t.left)}
                      .join(QStringLiteral(", "));
    }
    //: A board cell for screen readers: column, row and the four pictures of its tile
    setAccessibleDescription(tr("Column %1, row %2: %3").arg(m_cursor.x()).arg(m_cursor.y()).arg(content));
}
