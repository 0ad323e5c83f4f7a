#include "gamewindow.h"

#include "theme.h"

#include <QKeyEvent>

GameWindow::GameWindow(const QString &objectName, const QString &caption, QSize inner, QWidget *mainWindow)
    : QWidget(nullptr, Qt::Dialog), m_mainWindow(mainWindow)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(inner);
    setFont(Theme::arial(11));
    Theme::applyBackground(this);
}

void GameWindow::showCentred()
{
    if (m_mainWindow && !isVisible()) {
        const QRect main = m_mainWindow->frameGeometry();
        move(main.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}

void GameWindow::keyPressEvent(QKeyEvent *event)
{
    // Controls that use Escape themselves (a list's editor, a pressed
    // button) take it first; what they leave closes the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
