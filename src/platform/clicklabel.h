#pragma once

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <functional>

// A label that acts like a link: a hand pointer, a click opens what it
// stands for, and with the keyboard it takes focus and answers Enter or
// Space the same way (the logos and the maker's address).
class ClickLabel : public QLabel
{
public:
    explicit ClickLabel(QWidget *parent = nullptr) : QLabel(parent)
    {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
    }

    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && clicked)
            clicked();
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        const int key = event->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && clicked) {
            clicked();
            return;
        }
        QLabel::keyPressEvent(event);
    }
};
