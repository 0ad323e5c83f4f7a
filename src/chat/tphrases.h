#pragma once

#include "gamewindow.h"

// The phrase editor: the nine phrase buttons' texts.
class Tphrases : public GameWindow
{
    Q_OBJECT
public:
    explicit Tphrases(QWidget *mainWindow = nullptr);
};
