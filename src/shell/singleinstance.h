#pragma once

#include <QLockFile>
#include <QLocalServer>
#include <QString>

#include <functional>
#include <memory>

// The per-user folder for the program's named objects: $XDG_RUNTIME_DIR when
// it is a private folder of this user (owned by the user, mode 0700), else
// the folder tavlix-<uid> in the temporary directory, made private, else
// ~/.cache/tavlix-runtime, else a fresh private folder. A folder that
// someone else owns or may write to is never used.
QString runtimeDirectory();

// Lets only one copy of the program run per user and runtime directory. The
// first copy holds a lock named after the identifier and listens on a local
// socket of the same name; a later copy finds the lock taken, asks the first
// to bring its window forward, and ends without a window.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &identifier);
    ~SingleInstance();

    // True for the first copy (which then keeps the claim until it ends),
    // and also where no lock can be made in the runtime folder at all.
    bool claim();
    // From a later copy: asks the running copy to come forward.
    bool askFirstToRaise(int timeoutMs = 2000);
    // In the first copy: what to do when a later copy asks.
    void onRaiseRequest(std::function<void()> handler);

    QString serverName() const { return m_serverName; }

private:
    QString m_serverName;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void()> m_raise;
};
