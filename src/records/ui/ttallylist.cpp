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
        // A damaged tally file: say so and keep the fresh table. Its bytes
        // are copied aside first, so that the good file the next orderly
        // exit writes in its place destroys nothing; where they cannot be
        // copied, the file stays as it is.
        const std::string path = m_path.toStdString();
        m_mayReplaceFile = keepDamagedTally(path);
        QString text = QString::fromLocal8Bit(e.what());
        if (m_mayReplaceFile)
            text += QStringLiteral("\n\nThe damaged file is kept as %1.").arg(QString::fromStdString(damagedTallyPath(path)));
        else
            text += QStringLiteral("\n\nThe file is left as it is; results of this game are not saved.");
        m_desktop.message(m_mainWindow, text);
    }
}

void Ttallylist::saveTally()
{
    if (!m_mayReplaceFile)
        return;
    try {
        ::saveTally(m_path.toStdString(), stringgrid_scores);
    } catch (const std::exception &) {
    }
}
