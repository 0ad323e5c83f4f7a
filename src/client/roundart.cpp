#include "roundart.h"

#include "roundview.h"
#include "theme.h"

#include "uitext.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

const QColor arrowBlue(36, 92, 214);
const QColor arrowEdge(12, 34, 96);
const QColor rimBlue(40, 120, 255);
const QColor rimEdge(10, 40, 120);
const QColor plateTop(58, 98, 176);
const QColor plateBottom(22, 48, 112);
const QColor silver(192, 192, 192);

} // namespace

void TurnArrow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The shaft comes down on the left and bends to the right, towards the
    // name of the seat to move; the head points right.
    QPainterPath shaft;
    shaft.moveTo(4.5, 1.5);
    shaft.lineTo(4.5, 6.0);
    shaft.quadTo(4.5, 10.5, 10.0, 10.5);
    shaft.lineTo(17.0, 10.5);
    QPainterPath head;
    head.moveTo(16.0, 4.0);
    head.lineTo(26.0, 10.5);
    head.lineTo(16.0, 16.5);
    head.closeSubpath();

    QPen edge(arrowEdge, 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.strokePath(shaft, edge);
    painter.setPen(QPen(arrowEdge, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(arrowBlue);
    painter.drawPath(head);
    painter.strokePath(shaft, QPen(arrowBlue, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // A thin highlight along the shaft gives the arrow some depth.
    painter.strokePath(shaft, QPen(QColor(140, 180, 255), 1.0, Qt::SolidLine, Qt::RoundCap));
}

void ScoreOval::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPointF centre = box.center();
    const qreal rx = box.width() / 2;
    const qreal ry = box.height() / 2;

    // The jagged rim: a ring of spikes that alternate between the full
    // radius and a notch, like a burst behind the oval.
    QPainterPath burst;
    constexpr int spikes = 26;
    for (int i = 0; i < 2 * spikes; ++i) {
        const qreal angle = M_PI * i / spikes;
        const qreal scale = i % 2 == 0 ? 1.0 : 0.80;
        const QPointF point(centre.x() + rx * scale * qCos(angle), centre.y() + ry * scale * qSin(angle));
        if (i == 0)
            burst.moveTo(point);
        else
            burst.lineTo(point);
    }
    burst.closeSubpath();
    QRadialGradient glow(centre, rx);
    glow.setColorAt(0.0, QColor(150, 200, 255));
    glow.setColorAt(1.0, rimBlue);
    painter.setPen(QPen(rimEdge, 1.0));
    painter.setBrush(glow);
    painter.drawPath(burst);

    const QRectF oval(centre.x() - rx * 0.74, centre.y() - ry * 0.66, rx * 1.48, ry * 1.32);
    QLinearGradient shine(oval.topLeft(), oval.bottomLeft());
    shine.setColorAt(0.0, QColor(48, 48, 48));
    shine.setColorAt(0.45, Qt::black);
    painter.setPen(QPen(QColor(120, 170, 255), 1.2));
    painter.setBrush(shine);
    painter.drawEllipse(oval);
}

StartGameButton::StartGameButton(QWidget *parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    UiText::set(this, "StartGameButton", QT_TRANSLATE_NOOP("StartGameButton", "Start Game"), UiText::Role::AccessibleName);
    UiText::set(this, "StartGameButton", QT_TRANSLATE_NOOP("StartGameButton", "Start Game"), UiText::Role::ToolTip);
    setAttribute(Qt::WA_Hover);
}

void StartGameButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void StartGameButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool down = isDown();
    const bool hover = underMouse();
    const QRectF plate = QRectF(rect()).adjusted(1, 1, -1, -1);

    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0.0, down ? plateBottom : plateTop.lighter(hover ? 115 : 100));
    fill.setColorAt(1.0, down ? plateTop : plateBottom);
    painter.setPen(QPen(QColor(12, 24, 60), 1.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(plate, 7, 7);
    // An inner bevel line.
    painter.setPen(QPen(QColor(255, 255, 255, down ? 30 : 70), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(plate.adjusted(2.5, 2.5, -2.5, -2.5), 5, 5);

    // The words fill the plate at any size the button is given.
    //: Painted on the start button; keep it short, in capitals
    const QString caption = QCoreApplication::translate("StartGameButton", "START GAME");
    QFont font = Theme::arial(qMax(8, height() * 17 / 39), true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    // A longer caption takes a smaller font rather than leaving the plate.
    while (font.pixelSize() > 7 && QFontMetricsF(font).horizontalAdvance(caption) > plate.width() - 8)
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    const QRectF words = plate.translated(down ? 1 : 0, down ? 1 : 0);
    painter.setPen(QColor(8, 16, 40, 170));
    painter.drawText(words.translated(1.2, 1.2), Qt::AlignCenter, caption);
    painter.setPen(hover ? QColor(232, 232, 232) : silver);
    painter.drawText(words, Qt::AlignCenter, caption);

    if (hasFocus()) {
        painter.setPen(QPen(QColor(230, 230, 230), 1.0, Qt::DotLine));
        painter.drawRoundedRect(plate.adjusted(4.5, 4.5, -4.5, -4.5), 4, 4);
    }
}

void WinnerPlate::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0.0, QColor(30, 44, 84));
    fill.setColorAt(0.5, QColor(12, 18, 40));
    fill.setColorAt(1.0, QColor(30, 44, 84));
    painter.setPen(QPen(silver, 1.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(plate, 6, 6);
    painter.setPen(QPen(QColor(236, 196, 64), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(plate.adjusted(3, 3, -3, -3), 4, 4);
}

void WatchingEyes::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = width();
    const qreal h = height();
    painter.setPen(QPen(Qt::black, 1.0));
    for (int eye = 0; eye < 2; ++eye) {
        const QRectF white(0.5 + eye * w / 2, 0.5, w / 2 - 1.0, h - 1.0);
        painter.setBrush(Qt::white);
        painter.drawEllipse(white);
        // Pupils look to the right, towards the seat's name.
        painter.setBrush(Qt::black);
        const qreal r = h * 0.24;
        painter.drawEllipse(QPointF(white.center().x() + white.width() * 0.18, white.center().y() + h * 0.08), r, r);
    }
}

ElidedLabel::ElidedLabel(const QString &text, QWidget *parent) : QLabel(parent)
{
    // Names come from other players: "<Waiting>" or "<b>" must never be
    // taken for markup.
    setTextFormat(Qt::PlainText);
    setFullText(text);
}

void ElidedLabel::setFullText(const QString &text)
{
    m_full = text;
    elide();
    if (fullTextChanged)
        fullTextChanged();
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange)
        elide();
}

void ElidedLabel::elide()
{
    // The empty seat's mark is the one text of these labels that is the
    // program's own rather than a player's; the logic keeps its English
    // form, the window shows it in the player's language.
    const QString full = m_full == QLatin1String(RoundView::Waiting)
        ? QCoreApplication::translate("RoundView", RoundView::Waiting)
        : m_full;
    const QString shown = fontMetrics().elidedText(full, Qt::ElideRight, qMax(0, width()));
    setText(shown);
    setToolTip(shown == full ? QString() : full);
    setAccessibleName(full);
}
