#include "eventloop.h"
#include "singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Points the runtime directory at a private folder for one test.
class PrivateRuntimeDir
{
public:
    PrivateRuntimeDir() : m_old(qgetenv("XDG_RUNTIME_DIR")) { qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit()); }
    ~PrivateRuntimeDir() { qputenv("XDG_RUNTIME_DIR", m_old); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

} // namespace

TEST(SingleInstance, SecondClaimFailsAndAsksTheFirstToComeForward)
{
    PrivateRuntimeDir runtime;
    SingleInstance first(QStringLiteral("quenby"));
    ASSERT_TRUE(first.claim());
    int raised = 0;
    first.onRaiseRequest([&raised] { ++raised; });
    EXPECT_TRUE(first.serverName().startsWith(runtime.path()));

    SingleInstance second(QStringLiteral("quenby"));
    EXPECT_FALSE(second.claim());
    // The request reaches the first copy through its event loop.
    EXPECT_TRUE(second.askFirstToRaise(2000));
    EXPECT_TRUE(waitUntil([&raised] { return raised == 1; }));
}

TEST(SingleInstance, OtherRuntimeDirectoriesAreSeparate)
{
    QByteArray old = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir a, b;
    qputenv("XDG_RUNTIME_DIR", a.path().toLocal8Bit());
    SingleInstance first(QStringLiteral("quenby"));
    ASSERT_TRUE(first.claim());
    qputenv("XDG_RUNTIME_DIR", b.path().toLocal8Bit());
    SingleInstance other(QStringLiteral("quenby"));
    EXPECT_TRUE(other.claim());
    qputenv("XDG_RUNTIME_DIR", old);
}

TEST(SingleInstance, ALockLeftByADeadCopyIsTakenOver)
{
    PrivateRuntimeDir runtime;
    {
        // A lock file naming a process that no longer exists.
        QFile stale(runtime.path() + "/quenby.lock");
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("999999\ntavlix\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    SingleInstance instance(QStringLiteral("quenby"));
    EXPECT_TRUE(instance.claim());
}

TEST(SingleInstance, ARuntimeFolderWithoutRoomForTheLockDoesNotStopTheProgram)
{
    // A folder where no file can be created (here /proc; for a person, the
    // runtime folder of another user kept after su) is not a running copy:
    // the program starts, only without the one-copy guard.
    const QByteArray old = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", "/proc");
    SingleInstance instance(QStringLiteral("quenby"));
    EXPECT_TRUE(instance.claim());
    qputenv("XDG_RUNTIME_DIR", old);
}

TEST(SingleInstance, AFallbackFolderOthersCouldWriteToIsNeverUsed)
{
    // Without XDG_RUNTIME_DIR the folder tavlix-<uid> in the shared
    // temporary folder comes first. Someone made it before us, open to
    // all, and planted a lock in it that seems to be held.
    const QByteArray oldXdg = qgetenv("XDG_RUNTIME_DIR"), oldTmp = qgetenv("TMPDIR"), oldHome = qgetenv("HOME");
    QTemporaryDir tmp, home;
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", tmp.path().toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    const QString planted = tmp.path() + "/tavlix-" + QString::number(::getuid());
    ASSERT_TRUE(QDir().mkpath(planted));
    ::chmod(QFile::encodeName(planted).constData(), 0777);
    {
        QFile lock(planted + "/quenby.lock");
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(QCoreApplication::applicationPid()) + "\n"
                   + QCoreApplication::applicationName().toUtf8() + "\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }

    const QString chosen = runtimeDirectory();
    EXPECT_NE(chosen, planted);
    struct stat info = {};
    ASSERT_EQ(::lstat(QFile::encodeName(chosen).constData(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, ::getuid());
    SingleInstance instance(QStringLiteral("quenby"));
    EXPECT_TRUE(instance.claim()) << "the planted lock must not stop the program";

    qputenv("XDG_RUNTIME_DIR", oldXdg);
    qputenv("TMPDIR", oldTmp);
    qputenv("HOME", oldHome);
}
