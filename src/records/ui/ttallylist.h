#pragma once

#include "gamewindow.h"
#include "stringgrid.h"

#include <QString>

class Desktop;

// The tally of results: the window and its hidden table
// `stringgrid_scores`, which is read from the tally file when the window is
// created and written back when the program ends.
class Ttallylist : public GameWindow
{
    Q_OBJECT
public:
    Ttallylist(const QString &tallyPath, Desktop &desktop, QWidget *mainWindow = nullptr);

    // Writes the table to the tally file. A failure keeps the previous file
    // (the save goes through a temporary file) and is otherwise ignored:
    // the program is ending and there is nobody left to tell. A damaged
    // file whose bytes could not be kept aside is never replaced.
    void saveTally();

    const StringGrid &scores() const { return stringgrid_scores; }
    StringGrid &scores() { return stringgrid_scores; }
    QString tallyPath() const { return m_path; }

private:
    void loadTally();

    QString m_path;
    Desktop &m_desktop;
    StringGrid stringgrid_scores;
    bool m_mayReplaceFile = true;
};
