#include "chatfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextFrame>
#include <QToolButton>

using ChatMenus = ChatPaneTest;

namespace {

QStringList captions(const QMenu *menu)
{
    QStringList out;
    for (const QAction *action : menu->actions())
        out << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return out;
}

} // namespace

TEST_F(ChatMenus, ControlsSitAtTheirPlacesWithTheirLooks)
{
    auto *mainchat = find<ChatView>("mainchat");
    auto *mychat = find<ChatInput>("mychat");
    auto *button = find<QToolButton>("button_smilies");
    ASSERT_TRUE(mainchat && mychat && button);
    EXPECT_EQ(mainchat->geometry(), QRect(488, 228, 272, 271));
    EXPECT_EQ(mychat->geometry(), QRect(488, 500, 244, 22));
    EXPECT_EQ(button->pos(), QPoint(735, 502));
    EXPECT_EQ(button->toolTip(), "Chatter Sounds");

    EXPECT_TRUE(mainchat->isReadOnly());
    EXPECT_EQ(mainchat->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(mainchat->palette().color(QPalette::Base), QColor(226, 196, 165));
    EXPECT_EQ(mainchat->palette().color(QPalette::HighlightedText), QColor(192, 192, 192));
    const QTextFrameFormat frame = mainchat->document()->rootFrame()->frameFormat();
    EXPECT_EQ(frame.leftMargin(), 5);
    EXPECT_EQ(frame.rightMargin(), 5);

    EXPECT_EQ(mychat->text(), "<Enter Chat Here>");
    EXPECT_EQ(mychat->font().family(), "Arial");
    EXPECT_EQ(mychat->font().pixelSize(), 13);
    EXPECT_EQ(mychat->palette().color(QPalette::Base), QColor(226, 196, 165));
    EXPECT_EQ(mychat->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(ChatMenus, MenusHoldTheirItemsInOrderWithShortcuts)
{
    EXPECT_EQ(captions(find<QMenu>("popup_mainchat")),
              QStringList({"Select All", "Copy", "Clear Main Chat", "-", "Scroll Chat Off"}));
    EXPECT_EQ(captions(find<QMenu>("popup_mychat")), QStringList({"Paste"}));
    EXPECT_EQ(captions(pane.textSizeMenu()), QStringList({"8", "10", "12", "14"}));
    EXPECT_EQ(pane.textSizeMenu()->objectName(), "TextSize1");
    EXPECT_EQ(pane.textSizeMenu()->title(), "Text Size");

    const QMenu *pictures = find<QMenu>("popup_smilies");
    ASSERT_EQ(pictures->actions().size(), 18);
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(pictures->actions()[i]->text(), QStringLiteral(":)#%1").arg(10 + i));
        EXPECT_FALSE(pictures->actions()[i]->icon().isNull());
    }

    EXPECT_EQ(pane.textColorAction()->text(), "Text Color");
    EXPECT_EQ(pane.clearMainChatAction()->objectName(), "ClearMainChat1");
    EXPECT_EQ(pane.scrollChatOffAction()->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(find("Copy1")->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(find("Paste1")->shortcut(), QKeySequence("Ctrl+V"));
    EXPECT_FALSE(pane.scrollChatOffAction()->isChecked());
}

TEST_F(ChatMenus, TextSizeReachesOldLinesChecksItsItemAndAsksForASave)
{
    QSignalSpy saves(&pane, &ChatPane::settingsChanged);
    EXPECT_TRUE(find("N10")->isChecked());
    pane.addlinetochat("1+Ann chats: old www.x.org :)#12", ColourRed);
    find("N12")->trigger();
    pane.addlinetochat("0+new", ColourBlue);

    EXPECT_EQ(saves.count(), 1);
    EXPECT_EQ(pane.textSize(), 12);
    for (const char *item : {"N8", "N10", "N14"})
        EXPECT_FALSE(find(item)->isChecked()) << item;
    EXPECT_TRUE(find("N12")->isChecked());
    for (int line = 0; line < 2; ++line) {
        for (const ChatRun &run : view()->lineRuns(line)) {
            if (run.picture < 0) {
                EXPECT_EQ(run.format.fontPointSize(), 12) << run.text.toStdString();
            }
        }
    }
    // Choosing the checked item again keeps it checked.
    find("N12")->trigger();
    EXPECT_TRUE(find("N12")->isChecked());
}

TEST_F(ChatMenus, AStoredSizeWithoutAnItemIsAppliedAndChecksNone)
{
    QSignalSpy saves(&pane, &ChatPane::settingsChanged);
    pane.addlinetochat("0+hello", ColourBlue);
    pane.setTextSize(11);
    EXPECT_EQ(pane.textSize(), 11);
    EXPECT_EQ(view()->lineRuns(0).first().format.fontPointSize(), 11);
    for (const char *item : {"N8", "N10", "N12", "N14"})
        EXPECT_FALSE(find(item)->isChecked()) << item;
    pane.setTextSize(8);
    EXPECT_TRUE(find("N8")->isChecked());
    pane.setTextSize(0);
    EXPECT_EQ(pane.textSize(), 8);
    EXPECT_EQ(saves.count(), 0);
}

TEST_F(ChatMenus, TextColourOkSetsChatAndInputColourAndAsksForASave)
{
    QSignalSpy saves(&pane, &ChatPane::settingsChanged);
    desktop.colourAnswer = QColor(0, 0, 128);
    pane.textColorAction()->trigger();
    EXPECT_EQ(desktop.colourRequests, QList<QColor>({QColor(Qt::black)}));
    EXPECT_EQ(pane.chatColour(), colourValue(0, 0, 128));
    EXPECT_EQ(input()->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(saves.count(), 1);

    desktop.colourAnswer.reset();
    pane.textColorAction()->trigger();
    EXPECT_EQ(desktop.colourRequests.last(), QColor(0, 0, 128));
    EXPECT_EQ(pane.chatColour(), colourValue(0, 0, 128));
    EXPECT_EQ(saves.count(), 1);
}

TEST_F(ChatMenus, BothScrollChatOffItemsAlwaysShowTheSameState)
{
    find("ScrollChatOff2")->trigger();
    EXPECT_TRUE(pane.scrollChatOff());
    EXPECT_TRUE(find("ScrollChatOff1")->isChecked());
    find("ScrollChatOff1")->trigger();
    EXPECT_FALSE(pane.scrollChatOff());
    EXPECT_FALSE(find("ScrollChatOff2")->isChecked());
}

TEST_F(ChatMenus, ClearMainChatEmptiesTheViewAndFocusesTheInput)
{
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    view()->setFocus();
    pane.addlinetochat("1+Ann chats: one :)#12", ColourRed);
    pane.addlinetochat("1+Ann chats: two", ColourRed);
    find("ClearMainChat2")->trigger();
    EXPECT_EQ(view()->lineCount(), 0);
    EXPECT_TRUE(view()->document()->isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), input());

    // The seat's look still restyles lines added after the clear.
    pane.addlinetochat("1+Ann chats: three", ColourRed);
    pane.addlinetochat("1+Ann chats: four", ColourBlue);
    EXPECT_EQ(view()->lineCount(), 2);
    EXPECT_EQ(view()->lineRuns(0).first().format.foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(view()->document()->rootFrame()->frameFormat().leftMargin(), 5);
}

TEST_F(ChatMenus, CopyGivesPlainTextWithCrLfBetweenLinesAndNothingForPictures)
{
    pane.addlinetochat("1+Ann chats: a:)#12b", ColourRed);
    pane.addlinetochat("0+Second line", ColourBlue);
    QGuiApplication::clipboard()->setText("keep");
    find("Copy1")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "keep"); // no selection yet

    find("SelectAll1")->trigger();
    EXPECT_EQ(view()->textCursor().selectionStart(), 0);
    EXPECT_EQ(view()->textCursor().selectionEnd(), view()->document()->characterCount() - 1);
    find("Copy1")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Ann chats:  a b \r\n Second line ");
}

TEST_F(ChatMenus, CopyKeysInTheViewCopyThePartlySelectedText)
{
    pane.addlinetochat("0+first", ColourBlue);
    pane.addlinetochat("0+second", ColourBlue);
    QTextCursor cursor(view()->document());
    cursor.setPosition(3);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    view()->setTextCursor(cursor);
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "rst \r\n se");
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(view(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "rst \r\n se");
}

TEST_F(ChatMenus, PictureButtonOpensThePictureMenu)
{
    panel.show();
    auto *menu = find<QMenu>("popup_smilies");
    QTest::mouseClick(pane.smiliesButton(), Qt::LeftButton);
    EXPECT_TRUE(menu->isVisible());
    menu->close();
}
