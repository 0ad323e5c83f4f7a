#include "quickinstructions.h"

#include "theme.h"
#include "tileart.h"
#include "uitext.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {

// A picture of the help panel, drawn at any scale.
class HelpPicture : public QWidget
{
public:
    HelpPicture(int picture, QWidget *parent) : QWidget(parent), m_picture(picture) {}
    TilePainter tiles;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        drawQuickPicture(painter, m_picture, size(), tiles);
    }

private:
    int m_picture;
};

// The DONE picture button: grey capitals on a blue plate, like the board's
// start button, with a dotted frame while it has the keyboard focus.
class DoneButton : public QAbstractButton
{
public:
    explicit DoneButton(QWidget *parent) : QAbstractButton(parent)
    {
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
        // The widget's own font, so that a longer word takes a smaller one
        // (UiText::fit) instead of leaving the plate.
        QFont font = Theme::arial(19, true);
        font.setLetterSpacing(QFont::PercentageSpacing, 110);
        setFont(font);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF plate = QRectF(rect()).adjusted(1, 1, -1, -1);
        QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
        const bool down = isDown();
        fill.setColorAt(0, down ? QColor(33, 70, 118) : QColor(86, 136, 196));
        fill.setColorAt(1, down ? QColor(60, 105, 160) : QColor(33, 70, 118));
        p.setPen(QPen(QColor(15, 35, 65), 1.5));
        p.setBrush(fill);
        p.drawRoundedRect(plate, 7, 7);
        p.setFont(font());
        p.setPen(QColor(15, 35, 65));
        p.drawText(plate.translated(1, 1), Qt::AlignCenter, text());
        p.setPen(QColor(205, 205, 205));
        p.drawText(plate, Qt::AlignCenter, text());
        if (hasFocus()) {
            p.setPen(QPen(Qt::white, 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(plate.adjusted(3, 3, -3, -3), 5, 5);
        }
    }
};

} // namespace

// The board's own cells and tiles, drawn at the size a picture needs: each is
// rendered for exactly the device pixels it covers, so it stays sharp at
// any size and screen scale.
static TilePainter boardTiles()
{
    auto scaleFor = [](const QPainter &p, const QRectF &r) {
        const qreal device = p.deviceTransform().m11() > 0 ? p.deviceTransform().m11() : 1.0;
        return device * r.width() / TileArt::CellSize;
    };
    TilePainter tiles;
    tiles.emptyCell = [scaleFor](QPainter &p, const QRectF &r) {
        const QPixmap cell = TileArt::emptyCell(scaleFor(p, r));
        p.drawPixmap(r, cell, QRectF(cell.rect()));
    };
    tiles.tileFace = [scaleFor](QPainter &p, const QRectF &r, const tile &t) {
        const QPixmap face = TileArt::tileFace(t, scaleFor(p, r));
        p.drawPixmap(r, face, QRectF(face.rect()));
    };
    return tiles;
}

QuickInstructions::QuickInstructions(QWidget *panelBoard) : QWidget(panelBoard)
{
    setObjectName(QStringLiteral("panel_help"));
    setGeometry(1, 1, Width, Height);
    Theme::applyBackground(this);
    UiText::set(this, staticMetaObject, QT_TR_NOOP("Quick Instructions"), UiText::Role::AccessibleName);

    auto *title = new QLabel(this);
    UiText::set(title, staticMetaObject, QT_TR_NOOP("TAVLIX QUICK INSTRUCTIONS"));
    title->setObjectName(QStringLiteral("label_helptitle"));
    QFont titleFont = Theme::arial(24, true);
    titleFont.setUnderline(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 8, Width, 32);

    auto *goal = new QLabel(this);
    UiText::set(goal, staticMetaObject, QT_TR_NOOP("Complete four-tile square formations to earn points!"));
    goal->setObjectName(QStringLiteral("label_goal"));
    goal->setFont(Theme::arial(19, true));
    goal->setWordWrap(true);
    goal->setAlignment(Qt::AlignCenter);
    goal->setGeometry(268, 44, 208, 74);

    const QRect places[] = {{8, 48, 253, 317}, {8, 360, 173, 160}, {280, 120, 178, 123}, {272, 248, 192, 224}};
    const TilePainter tiles = boardTiles();
    for (int picture = 1; picture <= 4; ++picture) {
        auto *image = new HelpPicture(picture, this);
        image->setObjectName(QStringLiteral("image_help%1").arg(picture));
        image->setGeometry(places[picture - 1]);
        UiText::onChange(image, 0, [image, picture] { image->setAccessibleName(quickPictureCaption(picture)); });
        image->tiles = tiles;
    }

    auto *done = new DoneButton(this);
    done->setObjectName(QStringLiteral("button_done"));
    //: The button that closes the quick instructions
    UiText::set(done, staticMetaObject, QT_TR_NOOP("DONE"));
    UiText::set(done, staticMetaObject, QT_TR_NOOP("Done"), UiText::Role::AccessibleName);
    done->setGeometry(400, 480, 75, 39);
    connect(done, &QAbstractButton::clicked, this, &QuickInstructions::doneClicked);

    hide();
}

void QuickInstructions::showOver()
{
    show();
    raise();
    if (QWidget *done = findChild<QWidget *>(QStringLiteral("button_done")))
        done->setFocus();
}
