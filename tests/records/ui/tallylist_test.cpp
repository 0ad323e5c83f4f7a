#include "fakedesktop.h"
#include "tallyfile.h"
#include "ttallylist.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// A tally window whose current game is a map of seat names; this client
// sits in seat 1 as "Me".
class TallyList : public ::testing::Test
{
protected:
    void SetUp() override { open(); }

    void open()
    {
        tally = std::make_unique<Ttallylist>(QDir(folder.path()).filePath("Tavlixtally.tld"), desktop);
        tally->ownSeat = [this] { return ownSeat; };
        tally->seatName = [this](int seat) {
            const auto it = seats.find(seat);
            return it == seats.end() ? QStringLiteral("<Waiting>") : it->second;
        };
    }

    // Saves at exit and starts the program again.
    void restart()
    {
        tally->saveTally();
        open();
    }

    QListWidget *list(const char *name) const { return tally->findChild<QListWidget *>(name); }
    QString label(const QString &name) const { return tally->findChild<QLabel *>(name)->text(); }

    // A click on an item's check box, as the list reports it.
    void clickCheck(const char *listName, int index)
    {
        QListWidgetItem *item = list(listName)->item(index);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        QApplication::processEvents();
    }

    // Opens View Tally and follows the seated player called `name`.
    void follow(const QString &name)
    {
        tally->ViewTally1Click();
        QListWidget *current = list("checklist");
        for (int i = 0; i < current->count(); ++i) {
            if (current->item(i)->text() == name)
                clickCheck("checklist", i);
        }
    }

    // Row `row` columns 1 to 8.
    std::string counts(int row) const
    {
        std::string text;
        for (int col = 1; col < 9; ++col)
            text += tally->scores().cell(col, row) + (col < 8 ? " " : "");
        return text;
    }

    QTemporaryDir folder;
    FakeDesktop desktop;
    std::map<int, QString> seats{{1, "Me"}, {2, "Ann"}, {3, "Bob"}};
    int ownSeat = 1;
    std::unique_ptr<Ttallylist> tally;
};

} // namespace

TEST_F(TallyList, FollowedOpponentCountsHerWinTheOwnWinAndAThirdPlayersWin)
{
    EXPECT_EQ(label("mylabel_1"), "0");
    follow("Ann");
    ASSERT_EQ(list("listbox_tally")->count(), 1);
    EXPECT_EQ(tally->scores().cell(0, 1), "Ann");
    EXPECT_EQ(counts(1), "0 0 0 0 0 0 0 0");

    tally->addgame(false, "Ann");
    EXPECT_EQ(counts(1), "1 1 0 0 1 1 0 0");
    tally->addgame(true, "Me");
    EXPECT_EQ(counts(1), "2 1 1 0 2 1 1 0");
    tally->addgame(false, "Bob");
    EXPECT_EQ(counts(1), "3 1 1 1 3 1 1 1");
    EXPECT_EQ(label("mylabel_1"), "3");
    EXPECT_EQ(label("mylabel_2"), "1");

    list("listbox_tally")->setCurrentRow(0);
    EXPECT_EQ(label("label_hisnametop"), "Ann's Tally");
    EXPECT_EQ(label("label_hisname"), "Ann Wins:");
    EXPECT_EQ(label("label_1"), "3");
    EXPECT_EQ(label("label_6"), "1");
}

TEST_F(TallyList, OnlyFollowedOpponentsWhoSatAreCounted)
{
    follow("Ann");
    follow("Bob");
    seats.erase(3); // Bob leaves; Cid sits down
    seats[4] = "Cid";
    tally->addgame(false, "Cid");
    EXPECT_EQ(counts(1), "1 0 0 1 1 0 0 1");
    EXPECT_EQ(counts(2), "0 0 0 0 0 0 0 0");
    EXPECT_EQ(tally->scores().rowCount(), 3) << "an unfollowed player is not added";
    ASSERT_EQ(list("checklist")->count(), 2);
    EXPECT_EQ(list("checklist")->item(1)->text(), "Cid");
    EXPECT_EQ(list("checklist")->item(1)->checkState(), Qt::Unchecked);
}

TEST_F(TallyList, NamesAreFoundWithoutCaseButTheWinnerMustMatchExactly)
{
    follow("Ann");
    seats[2] = "ANN";
    tally->addgame(false, "ANN");
    EXPECT_EQ(counts(1), "1 0 0 1 1 0 0 1");
    tally->ViewTally1Click();
    EXPECT_EQ(list("checklist")->item(0)->checkState(), Qt::Checked);
}

TEST_F(TallyList, AWinnerCalledAddtomineIsNotTheLocalPlayersWin)
{
    seats[2] = "addtomine";
    follow("addtomine");
    tally->addgame(false, "addtomine");
    EXPECT_EQ(label("mylabel_2"), "0");
    EXPECT_EQ(tally->scores().cell(2, 0), "0");
    EXPECT_EQ(counts(1), "1 1 0 0 1 1 0 0");
}

TEST_F(TallyList, RestartZeroesTheSessionColumnsAndKeepsTheTotals)
{
    follow("Ann");
    tally->addgame(false, "Ann");
    tally->addgame(true, "Me");
    restart();
    EXPECT_EQ(label("mylabel_1"), "2");
    EXPECT_EQ(label("mylabel_2"), "1");
    ASSERT_EQ(list("listbox_tally")->count(), 1);
    EXPECT_EQ(list("listbox_tally")->item(0)->text(), "Ann");
    EXPECT_EQ(list("listbox_tally")->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(counts(1), "2 1 1 0 0 0 0 0");
    tally->addgame(false, "Bob");
    EXPECT_EQ(counts(1), "3 1 1 1 1 0 0 1");
}

TEST_F(TallyList, ANameWithALineBreakCannotShiftTheStoredCells)
{
    seats[2] = "Ann\r\nBob";
    follow("Ann\r\nBob");
    tally->addgame(false, "Ann\r\nBob");
    restart();
    EXPECT_EQ(tally->scores().rowCount(), 2);
    EXPECT_EQ(tally->scores().cell(0, 1), "Ann  Bob");
    EXPECT_EQ(counts(1), "1 1 0 0 0 0 0 0");
}

TEST_F(TallyList, RemovingAnOpponentAsksAndNoKeepsEverything)
{
    follow("Ann");
    follow("Bob");
    tally->addgame(false, "Bob");
    desktop.yesNoAnswer = false;
    clickCheck("listbox_tally", 0);
    EXPECT_EQ(desktop.questions, QStringList{"This will delete Ann's Tally, Are you want to delete it?"});
    EXPECT_EQ(list("listbox_tally")->count(), 2);
    EXPECT_EQ(list("listbox_tally")->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(tally->scores().rowCount(), 3);

    desktop.yesNoAnswer = true;
    clickCheck("listbox_tally", 0);
    ASSERT_EQ(list("listbox_tally")->count(), 1);
    EXPECT_EQ(list("listbox_tally")->item(0)->text(), "Bob");
    ASSERT_EQ(tally->scores().rowCount(), 2);
    EXPECT_EQ(tally->scores().cell(0, 1), "Bob");
    EXPECT_EQ(counts(1), "1 1 0 0 1 1 0 0");

    clickCheck("listbox_tally", 0);
    EXPECT_EQ(list("listbox_tally")->count(), 0);
    EXPECT_EQ(tally->scores().rowCount(), 1);
    EXPECT_EQ(tally->scores().cell(1, 0), "1");
}

TEST_F(TallyList, ResetWithFollowedOpponentsEmptiesRowZeroAndTheNextGameCountsOne)
{
    follow("Ann");
    tally->addgame(true, "Me");
    tally->addgame(true, "Me");
    desktop.yesNoAnswer = false;
    tally->button_resetClick();
    EXPECT_EQ(label("mylabel_1"), "2");
    EXPECT_EQ(tally->scores().rowCount(), 2);

    desktop.yesNoAnswer = true;
    tally->button_resetClick();
    EXPECT_EQ(desktop.questions.last(), "Are you sure you want to reset the Tally?");
    EXPECT_EQ(label("mylabel_1"), "0");
    EXPECT_EQ(tally->scores().rowCount(), 1);
    EXPECT_EQ(tally->scores().cell(1, 0), "");
    EXPECT_EQ(list("listbox_tally")->count(), 0);
    EXPECT_EQ(label("label_3"), "0");

    tally->addgame(false, "Ann");
    EXPECT_EQ(tally->scores().cell(1, 0), "1");
    EXPECT_EQ(label("mylabel_1"), "1");
    EXPECT_EQ(tally->scores().rowCount(), 1);
}

TEST_F(TallyList, ATableWithTooFewColumnsIsNeverIndexedOutside)
{
    follow("Ann");
    tally->scores().setColCount(3);
    tally->addgame(false, "Ann");
    list("listbox_tally")->setCurrentRow(0);
    EXPECT_EQ(label("label_1"), "1");
    EXPECT_EQ(label("label_6"), "");
    clickCheck("listbox_tally", 0);
    EXPECT_EQ(tally->scores().rowCount(), 1);
    EXPECT_EQ(tally->scores().colCount(), 3);
}
