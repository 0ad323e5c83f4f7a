#pragma once

#include "chatinput.h"
#include "chatpane.h"
#include "chatview.h"
#include "clientstate.h"
#include "fakedesktop.h"
#include "protocol.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <QWidget>
#include <gtest/gtest.h>

// A chat pane on a panel of the main window's size, logged in as seat 3,
// whose sent messages are collected.
class ChatPaneTest : public ::testing::Test
{
protected:
    ChatPaneTest()
    {
        panel.resize(764, 526);
        state.loggedin = true;
        state.mynumber = 3;
        pane.setSender([this](const QByteArray &message) { sent.append(message); });
    }

    ChatView *view() const { return pane.mainchat(); }
    ChatInput *input() const { return pane.mychat(); }

    template<typename T = QAction>
    T *find(const char *name) const
    {
        T *found = pane.findChild<T *>(QString::fromLatin1(name));
        if (!found)
            found = panel.findChild<T *>(QString::fromLatin1(name));
        return found;
    }

    // The text of one line of the view, pictures left out.
    QString lineText(int line) const
    {
        QString text;
        for (const ChatRun &run : view()->lineRuns(line))
            text += run.text;
        return text;
    }

    QWidget panel;
    ClientState state;
    FakeDesktop desktop;
    ChatPane pane{&panel, state, desktop};
    QList<QByteArray> sent;
};
