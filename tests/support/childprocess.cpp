#include "childprocess.h"

#include <QFile>
#include <QProcess>

#include <csignal>
#include <sys/types.h>

bool signalChild(QProcess &child, int signal)
{
    const qint64 pid = child.processId();
    if (child.state() != QProcess::Running || pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(pid), signal) == 0;
}

bool signalPidFile(const QString &pidFile, int signal)
{
    QFile file(pidFile);
    const int pid = file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : 0;
    // 1 is init, which no test started.
    return pid > 1 && ::kill(pid, signal) == 0;
}

QByteArray childOutput(QProcess &child)
{
    return child.readAllStandardOutput() + child.readAllStandardError();
}
