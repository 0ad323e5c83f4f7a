#include "chatfixture.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);
const QColor Navy(0, 0, 128);

QColor colourOf(const ChatRun &run)
{
    return run.format.foreground().color();
}

bool isBold(const ChatRun &run)
{
    return run.format.fontWeight() == QFont::Bold;
}

int pixelsOf(const QImage &image, const QRect &area, const QColor &colour)
{
    int count = 0;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y) {
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
            count += image.pixelColor(x, y) == colour;
    }
    return count;
}

} // namespace

class ChatShow : public ChatPaneTest
{
protected:
    // Clicks the middle of the first link run of a line.
    void clickLink(int line)
    {
        int position = view()->document()->findBlockByNumber(line).position();
        for (const ChatRun &run : view()->lineRuns(line)) {
            if (!run.link.isEmpty())
                break;
            position += run.picture >= 0 ? 1 : run.text.size();
        }
        QTextCursor cursor(view()->document());
        cursor.setPosition(position + 2);
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->cursorRect(cursor).center());
    }
};

TEST_F(ChatShow, SystemLinesUseLookZeroBoldInArialTenPoints)
{
    pane.addlinetochat("0+You are Connected.", ColourBlue);
    ASSERT_EQ(view()->lineCount(), 1);
    EXPECT_EQ(lineText(0), " You are Connected. ");
    for (const ChatRun &run : view()->lineRuns(0)) {
        EXPECT_EQ(run.look, 0);
        EXPECT_EQ(colourOf(run), QColor(0, 0, 255));
        EXPECT_TRUE(isBold(run));
        EXPECT_EQ(run.format.fontFamilies().toStringList(), QStringList("Arial"));
        EXPECT_EQ(run.format.fontPointSize(), 10);
    }
}

TEST_F(ChatShow, RelayedChatShowsNamePartAndTextBoldInTheSendersColour)
{
    pane.chatrecieved("2+Ann chats: caf\xE9 \x80|clNavy");
    EXPECT_EQ(lineText(0), QStringLiteral("Ann chats:  caf\u00e9 \u20ac "));
    for (const ChatRun &run : view()->lineRuns(0)) {
        EXPECT_EQ(run.look, 7);
        EXPECT_EQ(colourOf(run), Navy);
        EXPECT_TRUE(isBold(run));
    }
}

TEST_F(ChatShow, BodyWithoutColonIsAllInTheSendersLook)
{
    pane.chatrecieved("2+Ann waves|clBlack");
    EXPECT_EQ(lineText(0), " Ann waves ");
    for (const ChatRun &run : view()->lineRuns(0))
        EXPECT_EQ(run.look, 7);
}

TEST_F(ChatShow, MissingOrUnreadableColourTextShowsRed)
{
    pane.chatrecieved("2+Ann chats: no bar");
    pane.chatrecieved("3+Bo chats: bad|purple");
    pane.chatrecieved("4+Cy chats: a|b|clBlue");
    ASSERT_EQ(view()->lineCount(), 3);
    for (int line = 0; line < 3; ++line)
        EXPECT_EQ(colourOf(view()->lineRuns(line).first()), Red) << line;
    EXPECT_EQ(lineText(2), "Cy chats:  a ");
}

TEST_F(ChatShow, PictureCodeShowsTheTextAroundAPictureOnOneLine)
{
    pane.chatrecieved("1+Bo chats: ab:)#11cd|clBlack");
    pane.chatrecieved("1+Bo chats: :)#28|clBlack");
    const QList<ChatRun> runs = view()->lineRuns(0);
    ASSERT_EQ(runs.size(), 3);
    EXPECT_EQ(runs[0].text, "Bo chats:  ab ");
    EXPECT_EQ(runs[1].picture, 1);
    EXPECT_EQ(runs[1].format.toImageFormat().width(), 17);
    EXPECT_EQ(runs[1].format.toImageFormat().height(), 16);
    EXPECT_EQ(runs[2].text, "cd ");
    EXPECT_EQ(view()->lineRuns(1).last().picture, 0);
    EXPECT_EQ(view()->lineCount(), 2);
}

TEST_F(ChatShow, WebWordIsAGreenUnderlinedLinkAndTheRestKeepsTheSendersLook)
{
    pane.chatrecieved("4+Cy chats: see www.Example.com now|clRed");
    QList<ChatRun> links;
    for (const ChatRun &run : view()->lineRuns(0)) {
        if (run.link.isEmpty()) {
            EXPECT_EQ(run.look, 9);
            EXPECT_EQ(colourOf(run), Red);
            EXPECT_TRUE(isBold(run));
        } else {
            links.append(run);
        }
    }
    ASSERT_EQ(links.size(), 1);
    EXPECT_EQ(links[0].text, "www.Example.com ");
    EXPECT_EQ(links[0].link, "www.Example.com ");
    EXPECT_EQ(links[0].look, ChatView::LinkLook);
    EXPECT_EQ(colourOf(links[0]), Green);
    EXPECT_TRUE(links[0].format.fontUnderline());
    EXPECT_FALSE(isBold(links[0]));
}

TEST_F(ChatShow, ClickingALinkOpensItsTargetWithoutTrailingSpaces)
{
    panel.show();
    pane.chatrecieved("4+Cy chats: see www.Example.com now|clRed");
    clickLink(0);
    EXPECT_EQ(desktop.openedUrls, QStringList("www.Example.com"));
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(ChatShow, PointerOverALinkIsAHand)
{
    panel.show();
    pane.chatrecieved("4+Cy chats: www.Example.com|clRed");
    const QPoint start = view()->cursorRect(QTextCursor(view()->document())).center();
    QTest::mouseMove(view()->viewport(), start);
    EXPECT_NE(view()->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QTextCursor onLink(view()->document());
    onLink.setPosition(16);
    QTest::mouseMove(view()->viewport(), view()->cursorRect(onLink).center());
    EXPECT_EQ(view()->viewport()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ChatShow, ALinkThatCannotBeOpenedSaysSoAndChangesNothing)
{
    panel.show();
    desktop.openUrlResult = false;
    pane.chatrecieved("4+Cy chats: http://example.org|clRed");
    clickLink(0);
    EXPECT_EQ(desktop.openedUrls, QStringList("http://example.org"));
    EXPECT_EQ(desktop.messages, QStringList("Cannot open Webpage"));
    EXPECT_EQ(view()->lineCount(), 1);
}

TEST_F(ChatShow, OnlyWebAddressesAreHandedToTheSystem)
{
    for (const char *target : {"/tmp/www.run.sh ", "file:///tmp/www.x", "smb://host/www.exe"})
        pane.mainchatJump(target);
    EXPECT_TRUE(desktop.openedUrls.isEmpty());
    EXPECT_EQ(desktop.messages.size(), 3);
    pane.mainchatJump("HTTP://www.example.org/a?b=c  ");
    EXPECT_EQ(desktop.openedUrls, QStringList("HTTP://www.example.org/a?b=c"));
}

TEST_F(ChatShow, ANewColourFromASeatRecoloursItsEarlierLinesOnly)
{
    pane.addlinetochat("2+Ann chats: one", ColourRed);
    pane.addlinetochat("3+Bo chats: other", colourValue(0, 128, 0));
    pane.addlinetochat("0+notice", ColourRed);
    pane.addlinetochat("2+Ann chats: two", colourValue(0, 0, 128));
    EXPECT_EQ(colourOf(view()->lineRuns(0).first()), Navy);
    EXPECT_EQ(colourOf(view()->lineRuns(3).first()), Navy);
    EXPECT_EQ(colourOf(view()->lineRuns(1).first()), Green);
    EXPECT_EQ(colourOf(view()->lineRuns(2).first()), Red);
    EXPECT_TRUE(isBold(view()->lineRuns(0).first()));
}

TEST_F(ChatShow, EarlierLinesInViewAreDrawnInTheSeatsNewColour)
{
    panel.show();
    pane.setTextSize(14);
    pane.addlinetochat("2+Ann chats: WWW MMM", colourValue(0, 0, 128));
    pane.addlinetochat("3+Bo chats: HHH", colourValue(0, 0, 128));
    pane.addlinetochat("2+Ann chats: again", colourValue(0, 128, 0));
    const QImage shot = view()->viewport()->grab().toImage();
    QTextDocument *document = view()->document();
    const int scrolled = view()->verticalScrollBar()->value();
    const auto lineArea = [&](int line) {
        return document->documentLayout()->blockBoundingRect(document->findBlockByNumber(line)).toRect().translated(0, -scrolled);
    };
    EXPECT_GT(pixelsOf(shot, lineArea(0), Green), 20);
    EXPECT_EQ(pixelsOf(shot, lineArea(0), Navy), 0) << "no trace of the old colour";
    EXPECT_GT(pixelsOf(shot, lineArea(1), Navy), 20) << "another seat keeps its colour";
}

TEST_F(ChatShow, TheViewKeepsTheLastFiveThousandLines)
{
    panel.show();
    const int lines = ChatView::MaxLines + ChatView::TrimLines;
    for (int i = 0; i < lines; ++i)
        pane.addlinetochat(QStringLiteral("%1+Ann chats: line %2").arg(1 + i % 2).arg(i), colourValue(0, 0, i % 2 ? 128 : 255));
    EXPECT_EQ(view()->lineCount(), lines) << "old lines go a batch at a time";
    // Someone reading older lines keeps them in view while lines go.
    pane.setScrollChatOff(true);
    QScrollBar *bar = view()->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const QString reading = view()->cursorForPosition(QPoint(5, 5)).block().text();
    pane.addlinetochat("2+Ann chats: one more", ColourBlue);
    EXPECT_EQ(view()->cursorForPosition(QPoint(5, 5)).block().text(), reading);
    EXPECT_EQ(view()->lineCount(), 5000);
    EXPECT_EQ(lineText(0), QStringLiteral("Ann chats:  line %1 ").arg(lines + 1 - 5000));
    pane.addlinetochat("2+Ann chats: last", ColourRed);
    EXPECT_EQ(colourOf(view()->lineRuns(0).first()), Red) << "that line came from seat 2 too";
}

TEST_F(ChatShow, NewLinesScrollTheViewToTheEnd)
{
    panel.show();
    for (int i = 0; i < 100; ++i)
        pane.addlinetochat(QStringLiteral("1+Ann chats: line %1 of some length to wrap").arg(i), ColourRed);
    const QScrollBar *bar = view()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(ChatShow, WithScrollChatOffNewLinesArriveButTheViewStays)
{
    panel.show();
    for (int i = 0; i < 100; ++i)
        pane.addlinetochat(QStringLiteral("1+Ann chats: line %1").arg(i), ColourRed);
    pane.setScrollChatOff(true);
    QScrollBar *bar = view()->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const int kept = bar->value();
    const int oldMaximum = bar->maximum();
    for (int i = 0; i < 20; ++i)
        pane.addlinetochat(QStringLiteral("1+Ann chats: more %1").arg(i), ColourRed);
    EXPECT_EQ(view()->lineCount(), 120);
    EXPECT_EQ(bar->value(), kept);
    EXPECT_GT(bar->maximum(), oldMaximum);
}
