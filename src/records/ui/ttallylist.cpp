#include "ttallylist.h"

#include "desktop.h"
#include "tallyfile.h"

#include <exception>

// FIXME: the window's lists and counting arrive with the tally feature;
// until then it keeps the table and its file.

Ttallylist::Ttallylist(const QString &tallyPath, Desktop &desktop, QWidget *mainWindow)
    : GameWindow(QStringLiteral("tallylist"), QStringLiteral("Tavlix - Tally List"), QSize(447, 312), mainWindow)
    , m_path(tallyPath)
    , m_desktop(desktop)
    , stringgrid_scores(9, 1)
{
    for (int col = 0; col < 9; ++col)
        stringgrid_scores.setCell(col, 0, "0");
    loadTally();
}

void Ttallylist::loadTally()
{
    try {
        if (std::optional<StringGrid> stored = ::loadTally(m_path.toStdString()))
            stringgrid_scores = std::move(*stored);
    } catch (const std::exception &e) {
        // A damaged tally file: say so, keep the fresh table, and the next
        // orderly exit writes a good file in its place.
        m_desktop.message(m_mainWindow, QString::fromLocal8Bit(e.what()));
    }
}

void Ttallylist::saveTally()
{
    try {
        ::saveTally(m_path.toStdString(), stringgrid_scores);
    } catch (const std::exception &) {
    }
}
