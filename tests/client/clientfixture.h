#pragma once

#include "clientconnection.h"
#include "eventloop.h"
#include "tsock.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

#include <memory>

// A client connection whose window views are recorders, and a stand-in host
// (a plain QTcpServer on an ephemeral port) that tests write to directly.
class ClientTest : public ::testing::Test
{
protected:
    ClientTest()
    {
        ClientConnection::Hooks hooks;
        hooks.startHost = [this](bool) {
            ++hostStarts;
            if (listenError)
                throw ESockException("Listen - Error Binding Socket");
        };
        hooks.addSystemLine = [this](const QString &line) { lines << line; };
        hooks.showDownloadWindow = [this] { ++downloadShown; };
        hooks.setHostControls = [this](bool hosting) { hostControls = hosting; };
        hooks.message = [this](const QString &text) {
            messages << text;
            events << "box " + text;
        };
        hooks.closeMainWindow = [this] {
            ++closes;
            events << "close";
        };
        connection = std::make_unique<ClientConnection>(state, std::move(hooks));

        host.listen(QHostAddress::LocalHost, 0);
        connection->sock()->setPortName(QString::number(host.serverPort()));
    }

    // Starts a solo game and waits until the stand-in host has the
    // connection.
    void connectSolo()
    {
        connection->processparams({});
        ASSERT_TRUE(waitUntil([this] { return host.hasPendingConnections(); }));
        peer.reset(host.nextPendingConnection());
        ASSERT_TRUE(waitUntil([this] { return connection->sock()->Connected(); }));
    }

    // Writes bytes from the host and waits until `lines` messages are queued.
    void hostSends(const QByteArray &bytes, std::size_t queued)
    {
        peer->write(bytes);
        peer->flush();
        ASSERT_TRUE(waitUntil([&] { return connection->receivedlist().size() >= queued; }));
    }

    QByteArray hostReceives(qsizetype count)
    {
        QByteArray got;
        waitUntil([&] {
            got += peer->readAll();
            return got.size() >= count;
        });
        return got;
    }

    ClientState state;
    std::unique_ptr<ClientConnection> connection;
    QTcpServer host;
    std::unique_ptr<QTcpSocket> peer;

    QStringList lines;
    QStringList messages;
    QStringList events; // message boxes and closes, in order
    int hostStarts = 0;
    int downloadShown = 0;
    int closes = 0;
    bool listenError = false;
    std::optional<bool> hostControls;
};
