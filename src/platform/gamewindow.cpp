#include "gamewindow.h"

#include "theme.h"

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
