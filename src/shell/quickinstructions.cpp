#include "quickinstructions.h"

#include "theme.h"

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
        QFont font = Theme::arial(19, true);
        font.setLetterSpacing(QFont::PercentageSpacing, 110);
        p.setFont(font);
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

// FIXME: the board's own tile drawing replaces this stand-in once the board
// view is part of the window.
static TilePainter standInTiles()
{
    TilePainter tiles;
    tiles.emptyCell = [](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(30, 62, 100), 1));
        p.setBrush(Theme::boardColour);
        p.drawRect(r);
    };
    tiles.tileFace = [](QPainter &p, const QRectF &r, const tile &t) {
        static const QColor colours[] = {Qt::gray, QColor(220, 30, 40), QColor(245, 205, 30), QColor(40, 160, 60),
                                         QColor(40, 110, 230)};
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(199, 193, 171));
        p.drawRect(r);
        const qreal d = r.width() * 0.11;
        const QPointF spots[] = {{r.center().x(), r.top() + 2 * d}, {r.right() - 2 * d, r.center().y()},
                                 {r.center().x(), r.bottom() - 2 * d}, {r.left() + 2 * d, r.center().y()}};
        const int sides[] = {t.top, t.right, t.bottom, t.left};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(colours[qBound(0, sides[i], 4)]);
            p.drawEllipse(spots[i], d, d);
        }
    };
    return tiles;
}

QuickInstructions::QuickInstructions(QWidget *panelBoard) : QWidget(panelBoard)
{
    setObjectName(QStringLiteral("panel_help"));
    setGeometry(1, 1, Width, Height);
    Theme::applyBackground(this);
    setAccessibleName(QStringLiteral("Quick Instructions"));

    auto *title = new QLabel(QStringLiteral("TAVLIX QUICK INSTRUCTIONS"), this);
    title->setObjectName(QStringLiteral("label_helptitle"));
    QFont titleFont = Theme::arial(24, true);
    titleFont.setUnderline(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 8, Width, 32);

    auto *goal = new QLabel(QStringLiteral("Complete four-tile square formations to earn points!"), this);
    goal->setObjectName(QStringLiteral("label_goal"));
    goal->setFont(Theme::arial(19, true));
    goal->setWordWrap(true);
    goal->setAlignment(Qt::AlignCenter);
    goal->setGeometry(268, 44, 208, 74);

    const QRect places[] = {{8, 48, 253, 317}, {8, 360, 173, 160}, {280, 120, 178, 123}, {272, 248, 192, 224}};
    const TilePainter tiles = standInTiles();
    for (int picture = 1; picture <= 4; ++picture) {
        auto *image = new HelpPicture(picture, this);
        image->setObjectName(QStringLiteral("image_help%1").arg(picture));
        image->setGeometry(places[picture - 1]);
        image->setAccessibleName(quickPictureCaption(picture));
        image->tiles = tiles;
    }

    auto *done = new DoneButton(this);
    done->setObjectName(QStringLiteral("button_done"));
    done->setText(QStringLiteral("DONE"));
    done->setAccessibleName(QStringLiteral("Done"));
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
