#pragma once

#include "gamewindow.h"

// The list of watchers ("spies").
class Tspylist : public GameWindow
{
    Q_OBJECT
public:
    explicit Tspylist(QWidget *mainWindow = nullptr);
};
