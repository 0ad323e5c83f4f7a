#pragma once

#include <QByteArray>

// Whether a message a client received from the host (terminator removed) is
// one of the host's messages with fields of the right shape: its name, the
// number of fields, numbers where numbers belong and within their ranges
// (seats 1 to 9, cells on the board, sides 1 to 4). The soak counts every
// message that is not.
bool inHostCatalogue(const QByteArray &line);
