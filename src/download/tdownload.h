#pragma once

#include "gamewindow.h"

// The window that offers the lobby launcher's download beside a solo game.
class Tdownload : public GameWindow
{
    Q_OBJECT
public:
    explicit Tdownload(QWidget *mainWindow = nullptr);
};
