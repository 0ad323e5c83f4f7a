#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QWidget>

#include <functional>

// The pictures around the board that show the course of a game: the turn
// arrow, the score oval, the start-game button, the winner plate and the
// watching eyes. Each is drawn from vector paths in its own paint event, so
// it stays sharp at every scale factor; at scale 1 it fills exactly the
// pixel size its control is given.

// `image_Turn`: a blue arrow bent towards the right (27 x 17).
class TurnArrow : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// `image_score`: a black oval with a jagged blue rim on a transparent
// ground (108 x 52).
class ScoreOval : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The start-game picture button: the words START GAME in grey capitals on a
// blue plate (142 x 39), with a hand pointer. Space and Enter press it when
// it has the keyboard focus.
class StartGameButton : public QAbstractButton
{
public:
    explicit StartGameButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// `panel_winner`: a dark plate with a silver rim that carries the winner
// text.
class WinnerPlate : public QFrame
{
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// `image_eyes`: a pair of cartoon eyes, black and white (23 x 10).
class WatchingEyes : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A label that keeps the whole text it was given but shows only what fits
// its fixed width, ending in "..." when cut. Texts from other players (names,
// rounds) are shown as received without ever growing the label beyond its
// place; the whole text stays in the tool-tip and the accessible name.
class ElidedLabel : public QLabel
{
public:
    explicit ElidedLabel(const QString &text, QWidget *parent = nullptr);

    void setFullText(const QString &text);
    const QString &fullText() const { return m_full; }

    // Called after every change of the whole text (labels that name their
    // value after this one follow it).
    std::function<void()> fullTextChanged;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void elide();

    QString m_full;
};
