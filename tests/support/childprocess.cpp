#include "childprocess.h"

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

QByteArray childOutput(QProcess &child)
{
    return child.readAllStandardOutput() + child.readAllStandardError();
}
