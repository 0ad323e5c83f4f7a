#include "chatfixture.h"
#include "chattersounds.h"
#include "eventloop.h"
#include "phrasebuttons.h"
#include "tphrases.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// The phrase row and the chatter-sound menu on the chat fixture's panel,
// with a phrase lock that a test can release by hand.
class PhraseTest : public ChatPaneTest
{
protected:
    PhraseTest()
    {
        buttons.setPhraseLock([this] { return locked; }, [this] { locked = true; });
        sounds.setPlayerPhraseSounds([this] { return chatterOn; });
    }

    void click(int n) { QTest::mouseClick(buttons.button(n), Qt::LeftButton); }

    PhraseButtons buttons{&panel, state, pane};
    ChatterSounds sounds{buttons.soundButton(), state, desktop, pane};
    bool locked = false;
    bool chatterOn = true;
};

} // namespace

TEST_F(PhraseTest, AClickSendsSaysAndThePhraseThenLocksUntilReleased)
{
    EXPECT_EQ(buttons.button(1)->toolTip(), "Way To Go!");
    EXPECT_EQ(buttons.button(9)->toolTip(), "Good Game Everyone!");
    click(2);
    click(9); // within the lock: dropped without a word
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], QByteArray("CMD_action+3+says: Good One!|clBlack\xFF"));

    locked = false;
    pane.setChatColour(colourValue(0, 0, 128));
    click(9);
    EXPECT_EQ(sent.value(1), QByteArray("CMD_action+3+says: Good Game Everyone!|clNavy\xFF"));
}

TEST_F(PhraseTest, OnlyAPhraseStartingWithMeAndABlankIsSentAsItself)
{
    const struct { const char *phrase; const char *text; } cases[] = {
        {"/me cheers", "cheers"},
        {"/mean", "says: /mean"},
        {"/Me cheers", "says: /Me cheers"},
        {"", "says: "},
    };
    for (const auto &c : cases) {
        sent.clear();
        locked = false;
        buttons.setPhrase(4, QString::fromLatin1(c.phrase));
        buttons.b_phraseClick(4);
        EXPECT_EQ(sent.value(0), "CMD_action+3+" + QByteArray(c.text) + "|clBlack\xFF") << c.phrase;
    }
}

TEST_F(PhraseTest, BeforeLoginAPhraseButtonSendsNothingAndKeepsTheLockOpen)
{
    state.loggedin = false;
    click(1);
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_FALSE(locked);
}

TEST_F(PhraseTest, EditorDoneHandsOverTheBoxesWhileClosingKeepsNothing)
{
    Tphrases editor(&panel);
    std::optional<std::array<QString, 9>> done;
    editor.onDone = [&done](const std::array<QString, 9> &texts) {
        done = texts;
        return true;
    };
    editor.open(buttons.phrases());
    EXPECT_EQ(editor.box(4)->text(), "Excellent!");

    editor.box(2)->setText("Closed away");
    editor.close();
    EXPECT_FALSE(done);
    editor.open(buttons.phrases());
    EXPECT_EQ(editor.box(2)->text(), "Good One!") << "the next opening shows the buttons' phrases again";

    editor.box(4)->clear();
    QTest::keyClicks(editor.box(5), QString(60, 'x'));
    editor.findChild<QPushButton *>("button_done")->click();
    ASSERT_TRUE(done);
    EXPECT_EQ((*done)[3], "");
    EXPECT_EQ((*done)[4].size(), 50);
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(PhraseTest, SoundMenuSendsTheChosenSoundOnceLoggedIn)
{
    const QList<QAction *> items = sounds.popup()->actions();
    ASSERT_EQ(items.size(), 21);
    QAction *applause = items[13];
    EXPECT_EQ(applause->objectName(), "wave13");

    items[0]->trigger(); // <Cancel>
    applause->trigger();
    state.loggedin = false;
    applause->trigger();
    EXPECT_EQ(sent, QList<QByteArray>{QByteArray("CMD_playasound+3+wave13+\xFF")});
}

TEST_F(PhraseTest, SoundButtonOpensTheMenuAtItsBottomRightCorner)
{
    panel.move(-500, 0); // room for the whole menu right of the button
    panel.show();
    QToolButton *note = buttons.soundButton();
    QTest::mouseClick(note, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([this] { return sounds.popup()->isVisible(); }, 2000));
    EXPECT_EQ(sounds.popup()->pos(), note->mapToGlobal(QPoint(note->width(), note->height())));
    sounds.popup()->close();
    QTest::mouseClick(note, Qt::RightButton);
    EXPECT_TRUE(waitUntil([this] { return sounds.popup()->isVisible(); }, 2000)) << "any mouse button opens it";
    sounds.popup()->close();
}

TEST_F(PhraseTest, RelayedChatterPlaysOrIsNamedInTheChatWithSoundsOff)
{
    auto *seat2 = new QLabel("Bo", &panel);
    seat2->setObjectName("label_playername2");
    sounds.playasound("2+wave13+");
    EXPECT_EQ(desktop.sounds, QStringList{"wave13"});
    EXPECT_EQ(view()->lineCount(), 0);

    chatterOn = false;
    sounds.playasound("2+WAVE13+");
    sounds.playasound("7+wave13+"); // a watcher has no entry in the player list
    sounds.playasound("2+wave99+"); // no such menu item
    sounds.playasound("x+wave13+");
    EXPECT_EQ(desktop.sounds.size(), 1);
    ASSERT_EQ(view()->lineCount(), 1);
    EXPECT_EQ(lineText(0), "Bo:  <Chatter Sound> Applause ");
    EXPECT_EQ(view()->lineRuns(0).value(0).format.foreground().color(), QColor(0, 0, 255));
}
