#pragma once

#include "gamewindow.h"

#include <functional>

class QLabel;
class QPushButton;
class QStackedWidget;

// The help window: a column of topic buttons, a title line and eight
// read-only pages of which one is in front. Hiding the window keeps the
// page, so the next opening shows it again.
class Thelp : public GameWindow
{
    Q_OBJECT
public:
    // Pages by number: Overview 1, Connecting 2, Game Play 3, Scoring 4,
    // Documentation 5, License 6, Options 7, The Lobby 8.
    static constexpr int PageCount = 8;

    explicit Thelp(QWidget *mainWindow = nullptr);

    // A topic button: its page to the front, its caption to the title line.
    void SelButton1Click(QPushButton *button);
    void button_aboutClick();
    void button_doneClick();

    // Shows the about window; the program sets it.
    std::function<void()> showAbout;

    // The page in front (1 to 8) and the title line.
    int page() const;
    QString title() const;

private:
    QLabel *m_title = nullptr;
    QStackedWidget *m_pages = nullptr;
};

// The text of a help page (1 to 8) as rich text.
QString helpPageText(int page);
