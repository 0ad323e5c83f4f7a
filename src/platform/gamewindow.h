#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

// Base of the program's small windows (about, help, game start, tally, spy
// list, phrase editor, download): a dialog frame with a fixed inner size, the
// main window's tiled background, and placement centred on the main window
// when shown.
class GameWindow : public QWidget
{
    Q_OBJECT
public:
    GameWindow(const QString &objectName, const QString &caption, QSize inner, QWidget *mainWindow = nullptr);

    // The window centred over the main window (when there is one), not modal.
    void showCentred();

protected:
    QWidget *m_mainWindow;
};
