#pragma once

#include "tsock.h"

#include <memory>

// The presence connection to the lobby launcher, which listens on
// 127.0.0.1 port 9001 while it has started a game. The connection carries no
// bytes: that it exists while the game runs, and ends when the game ends, is
// its whole message.
//
// openPresence() makes the endpoint `Sock11` and opens it. Its only bound
// event is the read event, which drops whatever arrives unread.
// Every failure is silent: an exception from opening is dropped, and a
// connection that fails later reports only to the unbound info event. The
// caller holds the endpoint until the process ends; destroying it closes the
// connection, which the launcher sees.
std::unique_ptr<TSock> openPresence();
