// The lobby download window against a real HTTP server on a loopback port.

#include "eventloop.h"
#include "fakedesktop.h"
#include "httpcli.h"
#include "tdownload.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DownloadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        server.start(QStringLiteral(TAVLIX_PYTHON), {QStringLiteral(TAVLIX_HTTP_SERVER), headLog()});
        ASSERT_TRUE(server.waitForReadyRead(10000)) << "the test HTTP server did not start";
        port = server.readLine().trimmed().toInt();
        ASSERT_GT(port, 0);
        window = std::make_unique<Tdownload>(desktop, storage.path(), exeFolder.path());
        window->onExit = [this] { ++exits; };
    }

    void TearDown() override
    {
        window.reset();
        server.kill();
        server.waitForFinished();
    }

    QString headLog() const { return storage.filePath(QStringLiteral("request-head.txt")); }

    void setLobbyUrl(const QString &url)
    {
        QFile ini(storage.filePath(QStringLiteral("orvellobby.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Tavlix]\r\nTextsize=10\r\nLobbyurl=" + url.toUtf8() + "\r\n");
    }

    void servePath(const QString &path) { setLobbyUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path)); }

    QString text(const char *label) const { return window->findChild<QLabel *>(label)->text(); }
    QPushButton *button(const char *name) const { return window->findChild<QPushButton *>(name); }

    // Clicks the download button and waits until the GET is over.
    void download()
    {
        button("getbutton")->click();
        ASSERT_TRUE(waitUntil([this] { return !window->httpCli().busy(); }, 20000));
        EXPECT_TRUE(window->httpCli().quiet()) << "nothing left to wake the event loop";
    }

    QTemporaryDir storage;
    QTemporaryDir exeFolder;
    QProcess server;
    int port = 0;
    FakeDesktop desktop;
    std::unique_ptr<Tdownload> window;
    int exits = 0;
};

TEST_F(DownloadTest, SuccessfulDownloadShowsItsProgressThenRunsTheScriptAndEndsTheGame)
{
    servePath(QStringLiteral("/dl/setup.sh?size=5000&script=1"));
    QStringList seen; // infolabel or infolabel3 after each notification
    HttpCli &http = window->httpCli();
    QObject::connect(&http, &HttpCli::headerData, [&] { seen << text("infolabel"); });
    QObject::connect(&http, &HttpCli::docBegin, [&] { seen << text("infolabel3"); });
    QObject::connect(&http, &HttpCli::docData, [&] {
        if (seen.last() != text("infolabel"))
            seen << text("infolabel");
    });
    QObject::connect(&http, &HttpCli::finished, [&] { seen << text("infolabel") << text("infolabel3"); });

    download();

    // A status line and three headers (server, date, type, length: four).
    ASSERT_GE(seen.size(), 6);
    EXPECT_EQ(seen.at(0), "Loading.");
    EXPECT_EQ(seen.at(1), "Loading..");
    const qsizetype begin = seen.indexOf("Downloading: setup.sh");
    ASSERT_GT(begin, 1);
    EXPECT_EQ(seen.at(begin - 1), "Loading" + QString(int(begin), '.'));
    EXPECT_EQ(seen.at(seen.size() - 3), "5000 bytes");
    EXPECT_EQ(seen.at(seen.size() - 2), "Received 5000 bytes");
    EXPECT_EQ(seen.last(), "Installing");

    const QString saved = storage.filePath(QStringLiteral("setup.sh"));
    EXPECT_EQ(text("infolabel2"), "setup.sh");
    EXPECT_EQ(QFileInfo(saved).size(), 5000);
    EXPECT_TRUE(QFileInfo(saved).isExecutable());
    ASSERT_EQ(desktop.processes.size(), 1);
    EXPECT_EQ(desktop.processes.at(0).program, saved);
    EXPECT_EQ(desktop.processes.at(0).arguments, QStringList({"/SP-", "/silent", "/noicons"}));
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(button("getbutton")->isEnabled());
    EXPECT_FALSE(button("abortbutton")->isEnabled());

    // The request as the server received it.
    QFile head(headLog());
    ASSERT_TRUE(head.open(QIODevice::ReadOnly));
    const QByteArray request = head.readAll();
    EXPECT_TRUE(request.startsWith("GET /dl/setup.sh?size=5000&script=1 HTTP/1.0\r\n")) << request.constData();
    EXPECT_TRUE(request.contains("\nUser-Agent: Mozilla/3.0 (compatible)\r\n"));
    EXPECT_TRUE(request.contains("\nAccept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"));
    EXPECT_TRUE(request.contains("\nHost: 127.0.0.1:" + QByteArray::number(port) + "\r\n"));
}

TEST_F(DownloadTest, AnInstallerThatIsNoProgramGoesToTheDesktopsOpener)
{
    servePath(QStringLiteral("/dl/qmrsetup.exe?size=300"));
    download();
    const QString saved = storage.filePath(QStringLiteral("qmrsetup.exe"));
    EXPECT_TRUE(desktop.processes.isEmpty());
    ASSERT_EQ(desktop.openedUrls.size(), 1);
    EXPECT_EQ(QUrl(desktop.openedUrls.at(0)).toLocalFile(), saved);
    EXPECT_EQ(exits, 1);

    // When nothing can open it, the player is told and the game goes on.
    desktop.openUrlResult = false;
    download();
    EXPECT_EQ(desktop.messages, QStringList({"An Error has Occurred."}));
    EXPECT_EQ(exits, 1);
}

TEST_F(DownloadTest, FailedTransfersShowDownloadAbortedAndInstallNothing)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 refusedPort = closed.serverPort();
    closed.close();

    const QStringList urls = {
        QStringLiteral("http://127.0.0.1:%1/lobby/missing.exe").arg(port),          // 404
        QStringLiteral("http://127.0.0.1:%1/lobby/qmrsetup.exe").arg(refusedPort),  // refused
        QStringLiteral("http://127.0.0.1:%1/redirect/moved.sh").arg(port),          // 302
        QStringLiteral("http://127.0.0.1:%1/broken/cut.sh?size=4000&script=1").arg(port),
    };
    for (const QString &url : urls) {
        setLobbyUrl(url);
        download();
        EXPECT_EQ(text("infolabel"), "Download Aborted") << url.toStdString();
        EXPECT_NE(text("infolabel3"), "Installing") << url.toStdString();
        EXPECT_TRUE(button("getbutton")->isEnabled());
        EXPECT_FALSE(button("abortbutton")->isEnabled());
        EXPECT_TRUE(QFile::exists(storage.filePath(Tdownload::fileNameOf(url)))) << "the partial or empty file stays";
    }
    EXPECT_EQ(QFileInfo(storage.filePath("missing.exe")).size(), 0);
    EXPECT_EQ(QFileInfo(storage.filePath("moved.sh")).size(), 0) << "a redirect's body is not the file";
    EXPECT_TRUE(desktop.processes.isEmpty());
    EXPECT_TRUE(desktop.openedUrls.isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(exits, 0);
}

TEST_F(DownloadTest, StopDownloadHalfwayLeavesThePartialFileAndInstallsNothing)
{
    servePath(QStringLiteral("/slow/qmrsetup.exe?size=100000"));
    button("getbutton")->click();
    EXPECT_FALSE(button("getbutton")->isEnabled());
    EXPECT_TRUE(button("abortbutton")->isEnabled());
    ASSERT_TRUE(waitUntil([this] { return text("infolabel") == "3000 bytes"; }, 10000));

    button("abortbutton")->click();
    EXPECT_EQ(text("infolabel"), "Download has been aborted.");
    EXPECT_EQ(text("infolabel3"), "Download Aborted");
    ASSERT_TRUE(waitUntil([this] { return !window->httpCli().busy(); }));
    EXPECT_TRUE(window->httpCli().quiet());

    EXPECT_EQ(text("infolabel"), "Download Aborted");
    EXPECT_EQ(text("infolabel3"), "Download Aborted");
    EXPECT_EQ(window->httpCli().statusCode(), 404);
    EXPECT_EQ(window->httpCli().reasonPhrase(), "Connection aborted on request");
    EXPECT_TRUE(button("getbutton")->isEnabled());
    EXPECT_FALSE(button("abortbutton")->isEnabled());
    const qint64 partial = QFileInfo(storage.filePath("qmrsetup.exe")).size();
    EXPECT_GE(partial, 3000);
    EXPECT_LT(partial, 100000);
    spinFor(300);
    EXPECT_EQ(QFileInfo(storage.filePath("qmrsetup.exe")).size(), partial) << "nothing is written after the stop";
    EXPECT_TRUE(desktop.processes.isEmpty());
    EXPECT_TRUE(desktop.openedUrls.isEmpty());
    EXPECT_EQ(exits, 0);
}

TEST_F(DownloadTest, AFileThatCannotBeCreatedIsReportedAndTheWindowStaysAsItWas)
{
    // A name that is a folder cannot be opened as a file.
    QDir(storage.path()).mkdir(QStringLiteral("taken"));
    servePath(QStringLiteral("/dl/taken?size=10"));
    button("getbutton")->click();
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages.at(0).startsWith("Cannot create file \"" + storage.filePath("taken") + "\". "));

    // Nor can an address that ends in one of the game's own files replace it.
    servePath(QStringLiteral("/dl/orvellobby.ini?size=10"));
    button("getbutton")->click();
    ASSERT_EQ(desktop.messages.size(), 2);
    QFile ini(storage.filePath("orvellobby.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Textsize=10"));

    EXPECT_TRUE(button("getbutton")->isEnabled());
    EXPECT_FALSE(button("abortbutton")->isEnabled());
    EXPECT_TRUE(text("infolabel").isEmpty());
    EXPECT_FALSE(window->httpCli().busy());
}

TEST(DownloadAddress, BuiltInOverHttpsUnlessTheSettingsNameAnotherAndTheFileIsTheLastSegment)
{
    QTemporaryDir storage;
    FakeDesktop desktop;
    Tdownload window(desktop, storage.path(), storage.path());
    EXPECT_EQ(window.lobbyUrl(), "https://www.orvelsoftware.com/lobby/qmrsetup.exe");
    EXPECT_EQ(Tdownload::fileNameOf(window.lobbyUrl()), "qmrsetup.exe");
    EXPECT_EQ(Tdownload::fileNameOf("http://h:8080/a/b/setup.sh?from=/x/y#/z"), "setup.sh");
    EXPECT_EQ(Tdownload::fileNameOf("http://h/a/..%2F..%2Fevil"), "..%2F..%2Fevil");
    EXPECT_EQ(Tdownload::fileNameOf("http://h/lobby/"), "");
}

TEST(DownloadWindow, ThePictureDecodesFromItsJpegResource)
{
    QTemporaryDir storage;
    FakeDesktop desktop;
    Tdownload window(desktop, storage.path(), storage.path());
    EXPECT_EQ(window.findChild<QLabel *>("Image1")->pixmap().size(), QSize(160, 120));
}

class PlayWithOthersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        savedPath = qgetenv("PATH");
        qputenv("PATH", pathFolder.path().toUtf8());
        window.onExit = [this] { ++exits; };
    }
    void TearDown() override { qputenv("PATH", savedPath); }

    static void makeProgram(const QString &path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(file.permissions() | QFile::ExeOwner);
    }

    QByteArray savedPath;
    QTemporaryDir exeFolder;
    QTemporaryDir pathFolder;
    FakeDesktop desktop;
    Tdownload window{desktop, exeFolder.path(), exeFolder.path()};
    int exits = 0;
};

TEST_F(PlayWithOthersTest, TheLauncherBesideTheGameComesBeforeOneOnPathAndEndsTheGame)
{
    window.Button2Click();
    EXPECT_EQ(desktop.messages, QStringList({"Please close the game and open the Orvel Lobby using the icon on your "
                                             "desktop or using the your Window's start-up menu."}));
    EXPECT_EQ(exits, 0);

    makeProgram(pathFolder.filePath("orvellobby"));
    window.Button2Click();
    ASSERT_EQ(desktop.processes.size(), 1);
    EXPECT_EQ(desktop.processes.at(0).program, pathFolder.filePath("orvellobby"));

    makeProgram(exeFolder.filePath("orvellobby"));
    window.Button2Click();
    ASSERT_EQ(desktop.processes.size(), 2);
    EXPECT_EQ(desktop.processes.at(1).program, exeFolder.filePath("orvellobby"));
    EXPECT_TRUE(desktop.processes.at(1).arguments.isEmpty());
    EXPECT_EQ(exits, 2);

    // A launcher that will not start leaves the game running.
    desktop.startProcessResult = false;
    window.Button2Click();
    EXPECT_EQ(desktop.messages.last(), "An Error has Occurred.");
    EXPECT_EQ(exits, 2);
}

} // namespace
