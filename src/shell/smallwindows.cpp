#include "smallwindows.h"

#include "roundart.h"
#include "theme.h"
#include "uitext.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

Tgamestart::Tgamestart(QWidget *mainWindow)
    : GameWindow(QStringLiteral("gamestart"), QString(), QSize(257, 119), mainWindow)
{
    UiText::set(this, staticMetaObject, QT_TR_NOOP("Tavlix - Game Start"), UiText::Role::WindowTitle);
    auto *heading = new QLabel(this);
    UiText::set(heading, staticMetaObject, QT_TR_NOOP("Game Option"));
    QFont headingFont = Theme::arial(24, true);
    headingFont.setUnderline(true);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(0, 4, 257, 30);

    auto *caption = new QLabel(this);
    UiText::set(caption, staticMetaObject, QT_TR_NOOP("Number of Rounds: "));
    caption->setFont(Theme::arial(13, true));
    caption->setGeometry(36, 44, 132, 24);

    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("edit_playtoscore"));
    m_box->setReadOnly(true);
    m_box->setFont(Theme::arial(16, true));
    m_box->setAlignment(Qt::AlignCenter);
    m_box->setGeometry(168, 42, 38, 26);
    UiText::set(m_box, staticMetaObject, QT_TR_NOOP("Number of Rounds"), UiText::Role::AccessibleName);
    QPalette boxColours = m_box->palette();
    boxColours.setColor(QPalette::Base, QColor(231, 206, 180));
    m_box->setPalette(boxColours);
    m_box->installEventFilter(this);
    caption->setBuddy(m_box);

    // UpDown1: two arrow buttons attached to the right of the box.
    auto *upDown = new QWidget(this);
    upDown->setObjectName(QStringLiteral("UpDown1"));
    upDown->setGeometry(206, 42, 17, 26);
    m_up = new QToolButton(upDown);
    m_up->setObjectName(QStringLiteral("UpDown1Up"));
    m_up->setArrowType(Qt::UpArrow);
    m_up->setGeometry(0, 0, 17, 13);
    UiText::set(m_up, staticMetaObject, QT_TR_NOOP("More rounds"), UiText::Role::AccessibleName);
    m_down = new QToolButton(upDown);
    m_down->setObjectName(QStringLiteral("UpDown1Down"));
    m_down->setArrowType(Qt::DownArrow);
    m_down->setGeometry(0, 13, 17, 13);
    UiText::set(m_down, staticMetaObject, QT_TR_NOOP("Fewer rounds"), UiText::Role::AccessibleName);
    for (QToolButton *arrow : {m_up, m_down}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::StrongFocus);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { UpDown1Click(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { UpDown1Click(-1); });

    m_start = new StartGameButton(this);
    m_start->setObjectName(QStringLiteral("button_start"));
    m_start->setGeometry(57, 76, 142, 39);
    connect(m_start, &QAbstractButton::clicked, this, &Tgamestart::button_startClick);

    setTabOrder(m_box, m_up);
    setTabOrder(m_up, m_down);
    setTabOrder(m_down, m_start);
    setFocusProxy(m_start);
    setRounds(m_rounds);
}

int Tgamestart::boundedRounds(int rounds)
{
    return qBound(1, rounds, 10);
}

void Tgamestart::setRounds(int rounds)
{
    m_rounds = boundedRounds(rounds);
    m_box->setText(QString::number(m_rounds));
}

void Tgamestart::UpDown1Click(int step)
{
    setRounds(m_rounds + step);
}

bool Tgamestart::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            UpDown1Click(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
        // Enter in the rounds box starts the game, as the button does.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_start->click();
            return true;
        }
    }
    return GameWindow::eventFilter(watched, event);
}

void Tgamestart::button_startClick()
{
    if (onStart)
        onStart(m_rounds);
    hide();
    if (saveinifile)
        saveinifile();
}
