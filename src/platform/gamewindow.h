#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

// Base of the program's small windows (about, help, game start, tally, spy
// list, phrase editor, download): a dialog frame with a fixed inner size, the
// main window's tiled background, placement centred on the main window
// when shown, and Escape to close it (as the close box does).
class GameWindow : public QWidget
{
    Q_OBJECT
public:
    GameWindow(const QString &objectName, const QString &caption, QSize inner, QWidget *mainWindow = nullptr);

    // The window centred over the main window (when there is one), not modal.
    void showCentred();

protected:
    void keyPressEvent(QKeyEvent *event) override;

    QWidget *m_mainWindow;
};
