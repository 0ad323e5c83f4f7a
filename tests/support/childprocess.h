#pragma once

class QByteArray;
class QProcess;

// Sends `signal` to a child program only while it runs under a process id
// of its own. A child that has ended reports process id 0, and kill(0, ...)
// would signal the caller's whole process group: the test program, ctest
// and whatever started them. False, with nothing sent, when the child is
// not running.
bool signalChild(QProcess &child, int signal);

// Everything the child wrote on both channels, for a failure message: a
// child that ended early says why ("failed to read suppressions file").
QByteArray childOutput(QProcess &child);
