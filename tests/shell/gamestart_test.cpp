#include "roundart.h"
#include "smallwindows.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class GameStartTest : public ::testing::Test
{
protected:
    GameStartTest()
    {
        dialog.onStart = [this](int rounds) {
            started << rounds;
            visibleWhenSent = dialog.isVisible();
        };
        dialog.saveinifile = [this] {
            ++saves;
            savedRounds = dialog.rounds();
        };
    }

    QLineEdit *box() const { return dialog.findChild<QLineEdit *>("edit_playtoscore"); }
    void click(const char *arrow) { QTest::mouseClick(dialog.findChild<QToolButton *>(arrow), Qt::LeftButton); }

    Tgamestart dialog;
    QList<int> started;
    bool visibleWhenSent = false;
    int saves = 0;
    int savedRounds = 0;
};

} // namespace

TEST_F(GameStartTest, TwoUpsThenStartSendsFiveHidesAndSaves)
{
    dialog.showCentred();
    EXPECT_EQ(box()->text(), "3");
    EXPECT_TRUE(box()->isReadOnly());
    click("UpDown1Up");
    click("UpDown1Up");
    EXPECT_EQ(box()->text(), "5");
    dialog.findChild<StartGameButton *>("button_start")->click();
    EXPECT_EQ(started, QList<int>{5});
    EXPECT_TRUE(visibleWhenSent);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(savedRounds, 5);

    dialog.showCentred();
    EXPECT_EQ(box()->text(), "5") << "the last choice is offered again";
}

TEST_F(GameStartTest, TheArrowsStopAtOneAndTenAndTheKeysWorkToo)
{
    dialog.setRounds(10);
    click("UpDown1Up");
    EXPECT_EQ(dialog.rounds(), 10);
    dialog.setRounds(1);
    click("UpDown1Down");
    EXPECT_EQ(dialog.rounds(), 1);
    QTest::keyClick(box(), Qt::Key_Up);
    QTest::keyClick(box(), Qt::Key_Up);
    QTest::keyClick(box(), Qt::Key_Down);
    EXPECT_EQ(box()->text(), "2");
    QTest::keyClicks(box(), "9");
    EXPECT_EQ(box()->text(), "2") << "typing changes nothing";
    QTest::keyClick(box(), Qt::Key_Return);
    EXPECT_EQ(started, QList<int>{2}) << "Enter starts the game";
}
