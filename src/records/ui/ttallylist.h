#pragma once

#include "gamewindow.h"
#include "stringgrid.h"

#include <QString>

#include <functional>
#include <string>

class Desktop;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The tally of results: the window and its hidden table
// `stringgrid_scores`, which is read from the tally file when the window is
// created and written back when the program ends.
//
// Row 0 of the table holds this player's own totals (column 1 games,
// column 2 wins). Every further row is one followed opponent, in the order
// of `listbox_tally` (item i is row i + 1): column 0 the name, columns 1 to
// 4 games, the opponent's wins, this player's wins and other players' wins
// in total, columns 5 to 8 the same for this run of the program.
class Ttallylist : public GameWindow
{
    Q_OBJECT
public:
    Ttallylist(const QString &tallyPath, Desktop &desktop, QWidget *mainWindow = nullptr);

    // The current game's seats, read from the main window: the text of the
    // name label of a player seat 1 to 6 ("<Waiting>" while empty), and this
    // client's own seat number. Unset, every seat counts as empty.
    std::function<QString(int seat)> seatName;
    std::function<int()> ownSeat;

    // Records one finished game. `thisPlayerWon` says whether the local
    // player won; `winner` is the winner's name as the host sent it. Only a
    // seated player's window calls this (spectators record nothing).
    void addgame(bool thisPlayerWon, const QString &winner);
    // Adds 1 to a cell (a cell that is not a number counts as 0) and
    // returns the new value; a cell outside the table is left alone.
    int addit(int column, int row);
    // addit on row 0, shown in mylabel_<column>.
    void addtomineincrease(int column);
    // Fills the window from a table just read from the tally file, and
    // starts this run's counts (columns 5 to 8) at 0.
    void loadtally();
    // Removes a row of followed opponent (1 and up) from the table.
    void moverow(int row);
    // Rebuilds `checklist` from the seats of the current game.
    void loadchecklist();

    // Handlers of the window's controls: a check box clicked in one of the
    // two lists (by item position), an opponent selected, the buttons.
    void checklistClickCheck(int index);
    void listbox_tallyClickCheck(int index);
    void listbox_tallyClick();
    void button_resetClick();
    void button_doneClick();

    // View, "View Tally": the current game's players, then the window,
    // without making it modal.
    void ViewTally1Click();

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
    void createControls();
    // Cells outside the table (a table read from a damaged file may be
    // smaller) read as empty and ignore writes.
    std::string cell(int column, int row) const;
    void setCell(int column, int row, const std::string &text);
    QLabel *valueLabel(const char *stem, int number) const;
    void showOpponent(int index);
    void clearOpponent();
    int followedIndex(const QString &name) const;
    void setChecked(QListWidgetItem *item, bool checked);

    QString m_path;
    Desktop &m_desktop;
    StringGrid stringgrid_scores;
    QListWidget *m_checklist = nullptr;
    QListWidget *m_tallyList = nullptr;
    QLabel *m_hisNameTop = nullptr;
    QLabel *m_hisName = nullptr;
    bool m_mayReplaceFile = true;
};
