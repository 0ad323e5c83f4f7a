// A player whose copy speaks another language at an English host's table:
// the host's messages stay English on the wire, the player reads the
// table's lines in the player's language, and what players type passes as
// it was typed. The pseudo-language stands in for German.

#include "pseudolanguage.h"

#include "chatinput.h"
#include "chatpane.h"
#include "chatview.h"
#include "programcopy.h"
#include "protocol.h"

#include <QTcpSocket>
#include <QTest>

namespace {

QString tr(const char *context, const char *source, const QStringList &arguments)
{
    return UiText::translated(context, source, arguments);
}

using TableInAnotherLanguage = PseudoLanguage;

TEST_F(TableInAnotherLanguage, LinesAreTranslatedTypedTextIsNotAndTheWireStaysEnglish)
{
    AnnAndBo table;
    ASSERT_TRUE(table.seat());
    Copy &ann = table.ann, &bo = table.bo;
    TServer &server = table.server;

    // Eve, a bare connection, hears the wire as an older copy would.
    QTcpSocket eve;
    QByteArray eveHeard;
    QObject::connect(&eve, &QTcpSocket::readyRead, [&] { eveHeard += eve.readAll(); });
    eve.connectToHost(QHostAddress::LocalHost, table.port.toUShort());
    ASSERT_TRUE(waitUntil([&] { return eveHeard.contains("CMD_sendlogininfo+3"); }));
    eve.write(wire::client::logininfo(3, wire::ProgramVersion, "Eve"));
    const auto boChat = [&] { return bo.program->chatPane().mainchat()->toPlainText(); };
    const QString joined = tr("PlayerList", "%1 is Connected.", {"Eve"});
    ASSERT_TRUE(joined.startsWith('['));
    ASSERT_TRUE(waitUntil([&] { return boChat().contains(joined); })) << boChat().toStdString();

    auto *input = bo.program->mainWindow().findChild<ChatInput *>("mychat");
    ASSERT_TRUE(input);
    input->clear();
    QTest::keyClicks(input, "hallo welt [ok]");
    QTest::keyClick(input, Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return eveHeard.contains("Bo chats: hallo welt [ok]|"); })) << eveHeard.constData();
    // The chat pane shows the name part and the words apart; both are there.
    const QString chats = tr("WireLines", "%1 chats: %2", {"Bo", "%2"}).section("%2", 0, 0).trimmed();
    ASSERT_TRUE(chats.startsWith("[Bo "));
    EXPECT_TRUE(waitUntil([&] {
        const QStringList lines = boChat().split('\n');
        return std::any_of(lines.begin(), lines.end(), [&](const QString &line) {
            return line.contains(chats) && line.contains(" hallo welt [ok] ");
        });
    })) << boChat().toStdString();
    eve.close();
    ASSERT_TRUE(waitUntil([&] { return !server.seats()[3].inuse; }));

    ASSERT_TRUE(startGame(ann, 1));
    playOn(server, {&ann, &bo});
    ASSERT_FALSE(server.flow().gamerunning());
    const QString winner = QString::fromLatin1(server.seats()[1].score > server.seats()[2].score ? "Ann" : "Bo");
    const QString won = winner == "Bo" ? tr("RoundView", "You have Won the Game!", {})
                                       : tr("RoundView", "%1 has Won the Game!", {winner});
    EXPECT_TRUE(waitUntil([&] { return boChat().contains(won); })) << boChat().toStdString();
    // A shared top score after the one round plays another.
    EXPECT_EQ(bo.label("label_numrounds"),
              tr("RoundView", "Round: %1 of %2", {QString::number(server.flow().roundcount()), "1"}));
    EXPECT_TRUE(bo.label("label_status").startsWith('['));
}

} // namespace
