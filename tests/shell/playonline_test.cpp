// Options > Play Online in whole copies of the program: the setting, a
// change applied at once, a service that cannot be reached, and who
// contacts the service at all.

#include "chatpane.h"
#include "chatview.h"
#include "lobbyregistration.h"
#include "programcopy.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

QString chat(const Copy &copy)
{
    return copy.program->chatPane().mainchat()->toPlainText();
}

// The copy as the program starts it, with the meeting service named in its
// settings.
void writeSettings(const Copy &copy, const QByteArray &lines)
{
    copy.program->enableOnline();
    QFile ini(copy.folder.filePath("orvellobby.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write("[Tavlix]\nHelp=2\n" + lines);
}

QByteArray settingsText(const Copy &copy)
{
    QFile ini(copy.program->settingsPath());
    return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
}

} // namespace

TEST(PlayOnline, TheMenuShowsTheSettingAndAChangeIsSavedAndAppliedAtOnce)
{
    const QString closed = freePort(); // nothing listens there
    Copy ann({"Ann", "127.0.0.1", "true"}, freePort());
    writeSettings(ann, "Online=0\nLobbyserver=127.0.0.1:" + closed.toLatin1() + "\n");
    ann.program->show();
    ASSERT_TRUE(waitUntil([&] { return chat(ann).contains("You are Connected."); })) << chat(ann).toStdString();
    Tchat &window = ann.program->mainWindow();
    EXPECT_TRUE(window.item("OnlineOff1")->isChecked());
    EXPECT_FALSE(window.item("OnlineInvite1")->isChecked());
    spinFor(200);
    EXPECT_EQ(ann.program->lobbyRegistration(), nullptr) << "Off never contacts the service";
    EXPECT_FALSE(window.item("CopyInviteCode1")->isEnabled());

    window.item("OnlineInvite1")->trigger();
    EXPECT_TRUE(settingsText(ann).contains("Online=1"));
    const QString line = "The lobby cannot be reached (nothing answers on port " + closed +
                         " there); players on your network, or who can reach your address, can still join you.";
    ASSERT_TRUE(waitUntil([&] { return chat(ann).contains(line); }, 5000)) << chat(ann).toStdString();
    ASSERT_NE(ann.program->lobbyRegistration(), nullptr);
    EXPECT_EQ(ann.program->lobbyRegistration()->nextRetryMs(), 2 * LobbyRegistration::FirstRetryMs)
        << "the first try again comes after a minute, the next after two";
    // Told once, whatever comes next.
    window.item("OnlinePublic1")->trigger();
    EXPECT_TRUE(settingsText(ann).contains("Online=2"));
    ann.program->lobbyRegistration()->retryTimerTimeout();
    spinFor(300);
    EXPECT_EQ(chat(ann).count("The lobby cannot be reached"), 1);
    EXPECT_FALSE(window.item("CopyInviteCode1")->isEnabled());
}

TEST(PlayOnline, OnlyAHostingCopyContactsTheService)
{
    QTcpServer service;
    ASSERT_TRUE(service.listen(QHostAddress::LocalHost, 0));
    QByteArrayList firstLines;
    QObject::connect(&service, &QTcpServer::newConnection, [&] {
        QTcpSocket *client = service.nextPendingConnection();
        QObject::connect(client, &QTcpSocket::readyRead, client, [&firstLines, client] {
            if (client->canReadLine())
                firstLines << client->readLine().split(' ').first();
        });
    });
    const QByteArray settings = "Lobbyserver=127.0.0.1:" + QByteArray::number(service.serverPort()) + "\n";
    const QString port = freePort();

    Copy solo({}, freePort());
    writeSettings(solo, settings);
    solo.program->show();
    ASSERT_TRUE(waitUntil([&] { return chat(solo).contains("You are Connected."); }));

    Copy ann({"Ann", "127.0.0.1", "true"}, port);
    writeSettings(ann, settings);
    ann.program->show();
    ASSERT_TRUE(waitUntil([&] { return firstLines.size() == 1; }));
    EXPECT_EQ(firstLines, QByteArrayList{"HOST"});

    Copy bo({"Bo", "127.0.0.1", "false"}, port);
    writeSettings(bo, settings);
    bo.program->show();
    ASSERT_TRUE(waitUntil([&] { return chat(bo).contains("You are Connected."); }));
    spinFor(300);
    EXPECT_EQ(firstLines, QByteArrayList{"HOST"});
}
