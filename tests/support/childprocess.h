#pragma once

class QByteArray;
class QProcess;
class QString;

// Sends `signal` to a child program only while it runs under a process id
// of its own. A child that has ended reports process id 0, and kill(0, ...)
// would signal the caller's whole process group: the test program, ctest
// and whatever started them. False, with nothing sent, when the child is
// not running.
bool signalChild(QProcess &child, int signal);

// Sends `signal` to the process whose id the file at `pidFile` holds (a
// daemon's pid file), only where it holds a real one: a file that is
// missing, empty or garbled must never become kill(0, ...) either. False,
// with nothing sent, then.
bool signalPidFile(const QString &pidFile, int signal);

// Everything the child wrote on both channels, for a failure message: a
// child that ended early says why ("failed to read suppressions file").
QByteArray childOutput(QProcess &child);
