#pragma once

#include "gamewindow.h"

class Desktop;

// The about window: the logo, the maker's address as a link, the version
// ("Version 1.0.0.0") and "Done".
class Tabout : public GameWindow
{
    Q_OBJECT
public:
    explicit Tabout(Desktop &desktop, QWidget *mainWindow = nullptr);

    // The logo or the address: opens the maker's web site in the browser.
    void label_urlClick();
    void button_doneClick();

private:
    Desktop &m_desktop;
};
