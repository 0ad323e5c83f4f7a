#include "handtile.h"

#include "tileart.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>

namespace {

// A hand tile as assistive technology sees it: a button named by its slot
// and sides whose press action is a click, as keys 1 to 7 are.
class HandTileAccessible : public QAccessibleWidget
{
public:
    explicit HandTileAccessible(HandTile *tile) : QAccessibleWidget(tile, QAccessible::Button) {}

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString &action) override
    {
        auto *tile = static_cast<HandTile *>(widget());
        if (action == pressAction()) {
            if (tile->clicked)
                tile->clicked(tile->slot());
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction())
            return {QString::number(static_cast<HandTile *>(widget())->slot())};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

QAccessibleInterface *handTileAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("HandTile") && object && object->isWidgetType())
        return new HandTileAccessible(static_cast<HandTile *>(object));
    return nullptr;
}

} // namespace

HandTile::HandTile(int slot, QWidget *parent) : QWidget(parent), m_slot(slot)
{
    static const bool accessibleInstalled = (QAccessible::installFactory(handTileAccessible), true);
    Q_UNUSED(accessibleInstalled);
    setObjectName(QStringLiteral("image_tile") + QString::number(slot));
    setProperty("tag", slot);
    setAccessibleName(describe(slot, m_tile));
    setCursor(Qt::PointingHandCursor);
    // The board takes the keys for the hand (1 to 7); a click hands it the focus.
    setFocusPolicy(Qt::NoFocus);
    resize(TileArt::CellSize, TileArt::CellSize);
}

void HandTile::setTile(const tile &t)
{
    if (t == m_tile)
        return;
    m_tile = t;
    setAccessibleName(describe(m_slot, m_tile));
    update();
}

void HandTile::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        setAccessibleName(describe(m_slot, m_tile));
}

QString HandTile::describe(int slot, const tile &t)
{
    //: An empty slot of the hand
    QString sides = tr("empty");
    if (!t.isEmpty()) {
        sides = QStringList{TileArt::symbolName(t.top), TileArt::symbolName(t.right), TileArt::symbolName(t.bottom),
                            TileArt::symbolName(t.left)}
                    .join(QStringLiteral(", "));
    }
    //: A hand tile for screen readers: its slot number and its four pictures
    return tr("Tile %1: %2").arg(slot).arg(sides);
}

void HandTile::paintEvent(QPaintEvent *)
{
    if (m_tile.isEmpty())
        return;
    QPainter painter(this);
    TileArt::drawTile(painter, QPoint(0, 0), m_tile);
}

void HandTile::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void HandTile::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click && clicked)
        clicked(m_slot);
}

FrameShape::FrameShape(const QColor &colour, int penWidth, QWidget *parent)
    : QWidget(parent), m_colour(colour), m_penWidth(penWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void FrameShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const int pen = m_penWidth;
    painter.fillRect(0, 0, w, pen, m_colour);
    painter.fillRect(0, h - pen, w, pen, m_colour);
    painter.fillRect(0, 0, pen, h, m_colour);
    painter.fillRect(w - pen, 0, pen, h, m_colour);
}
