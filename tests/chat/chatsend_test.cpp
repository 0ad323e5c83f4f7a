#include "chatfixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QTest>

namespace {

void typeAndEnter(QWidget *input, const QString &text)
{
    QTest::keyClicks(input, text);
    QTest::keyClick(input, Qt::Key_Return);
}

} // namespace

using ChatSend = ChatPaneTest;

TEST_F(ChatSend, EnterOverThePromptSendsNothingAndLeavesTheInputEmpty)
{
    ASSERT_EQ(input()->text(), "<Enter Chat Here>");
    QTest::keyClick(input(), Qt::Key_Return);
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_EQ(input()->text(), "");
}

TEST_F(ChatSend, TheFirstKeyReplacesThePrompt)
{
    QTest::keyClicks(input(), "hi");
    EXPECT_EQ(input()->text(), "hi");
}

TEST_F(ChatSend, ComposedTextAlsoReplacesThePrompt)
{
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("\u00e9"));
    QCoreApplication::sendEvent(input(), &composed);
    EXPECT_EQ(input()->text(), QStringLiteral("\u00e9"));
}

TEST_F(ChatSend, ChatGoesOutWithSeatTextAndColourText)
{
    typeAndEnter(input(), "hello there");
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], QByteArray("CMD_chat+3+hello there|clBlack\xFF"));
    EXPECT_EQ(input()->text(), "");

    pane.setChatColour(colourValue(1, 2, 3));
    typeAndEnter(input(), "again");
    EXPECT_EQ(sent.value(1), QByteArray("CMD_chat+3+again|$00030201\xFF"));
}

TEST_F(ChatSend, MeSendsAnActionWithoutItsFirstFourCharacters)
{
    typeAndEnter(input(), "/me waves");
    typeAndEnter(input(), "/metal");
    typeAndEnter(input(), "/me");
    ASSERT_EQ(sent.size(), 3);
    EXPECT_EQ(sent[0], QByteArray("CMD_action+3+waves|clBlack\xFF"));
    EXPECT_EQ(sent[1], QByteArray("CMD_action+3+al|clBlack\xFF"));
    EXPECT_EQ(sent[2], QByteArray("CMD_action+3+|clBlack\xFF"));
    EXPECT_EQ(input()->text(), "");
}

TEST_F(ChatSend, OtherSlashTextsAreDroppedAndTheInputEmptied)
{
    typeAndEnter(input(), "/who");
    typeAndEnter(input(), "/ME shouts");
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_EQ(input()->text(), "");
}

TEST_F(ChatSend, BeforeLoginNothingIsSentAndTheTextStays)
{
    state.loggedin = false;
    typeAndEnter(input(), "early");
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_EQ(input()->text(), "early");
}

TEST_F(ChatSend, TypedYWithDiaeresisNeverPutsTheTerminatorByteInsideAMessage)
{
    typeAndEnter(input(), QString(QChar(0xFF)));
    input()->setText(QStringLiteral("/me caf\u00e9 \u00ff\u00ff \u20ac"));
    pane.sendit();
    ASSERT_EQ(sent.size(), 2);
    for (const QByteArray &message : sent) {
        EXPECT_EQ(message.indexOf('\xFF'), message.size() - 1) << message.toHex().constData();
    }
    EXPECT_EQ(sent[0], QByteArray("CMD_chat+3+y|clBlack\xFF"));
    EXPECT_EQ(sent[1], QByteArray("CMD_action+3+caf\xE9 yy \x80|clBlack\xFF"));
}

TEST_F(ChatSend, PictureItemsReplaceThePromptAndAppendTheirCode)
{
    auto *menu = find<QMenu>("popup_smilies");
    ASSERT_NE(menu, nullptr);
    menu->actions().at(2)->trigger();
    EXPECT_EQ(input()->text(), ":)#12");
    input()->setCursorPosition(0);
    menu->actions().at(17)->trigger();
    EXPECT_EQ(input()->text(), ":)#12:)#27");
    EXPECT_EQ(input()->cursorPosition(), input()->text().size());
}

TEST_F(ChatSend, PasteAppendsAtTheEndEvenAfterThePrompt)
{
    QGuiApplication::clipboard()->setText("abc");
    find("Paste1")->trigger();
    EXPECT_EQ(input()->text(), "<Enter Chat Here>abc");

    input()->setText("hello");
    input()->setSelection(0, 2);
    find("Paste1")->trigger();
    EXPECT_EQ(input()->text(), "helloabc");
    EXPECT_EQ(input()->cursorPosition(), 8);
    EXPECT_FALSE(input()->hasSelectedText());
}

TEST_F(ChatSend, CtrlVPastesLikeTheMenuItem)
{
    QGuiApplication::clipboard()->setText("abc");
    input()->setText("hi");
    input()->setCursorPosition(0);
    QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(input()->text(), "hiabc");
}

TEST_F(ChatSend, PasteWithoutClipboardTextOnlyMovesTheCaret)
{
    QGuiApplication::clipboard()->clear();
    input()->setText("hello");
    input()->setCursorPosition(1);
    find("Paste1")->trigger();
    EXPECT_EQ(input()->text(), "hello");
    EXPECT_EQ(input()->cursorPosition(), 5);
}
