#pragma once

#include "chatpane.h"
#include "chatview.h"
#include "clientconnection.h"
#include "eventloop.h"
#include "fakedesktop.h"
#include "program.h"
#include "randomsource.h"
#include "tchat.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// A whole program in this process, with a private folder for its settings
// and tally files, a recording desktop and a seeded random source. The solo
// game hosts on the fixed port 7772.
class ProgramTest : public ::testing::Test
{
protected:
    void start(const QStringList &parameters = {})
    {
        program = std::make_unique<TavlixProgram>(desktop, random, parameters, folder.path());
        program->show();
    }

    // Starts a solo game and waits until this client is logged in and its
    // settings have been read.
    void startSoloAndLogIn()
    {
        start();
        ASSERT_TRUE(waitUntil([this] { return chatText().contains("You are Connected."); }));
    }

    QString chatText() const { return program->chatPane().mainchat()->toPlainText(); }

    QByteArray settingsFile() const
    {
        QFile file(QDir(folder.path()).filePath("orvellobby.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeSettings(const QByteArray &text)
    {
        QFile file(QDir(folder.path()).filePath("orvellobby.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir folder;
    FakeDesktop desktop;
    RandomSource random{1};
    std::unique_ptr<TavlixProgram> program;
};
