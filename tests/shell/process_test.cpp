#include "childprocess.h"
#include "eventloop.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

namespace {

// The real program, copied into a private folder (its settings and tally
// files go beside it) and run offscreen under a private runtime directory.
class RealProgram : public ::testing::Test
{
protected:
    RealProgram()
    {
        exe = QDir(folder.path()).filePath("tavlix");
        QFile::copy(QStringLiteral(TAVLIX_EXECUTABLE), exe);
        QDir(folder.path()).mkdir("run");
        QFile::setPermissions(folder.path() + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    ~RealProgram() override
    {
        for (QProcess *p : {&first, &second}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
    }

    void launch(QProcess &process)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", folder.path() + "/run");
        process.setProcessEnvironment(env);
        process.start(exe, {});
        ASSERT_TRUE(process.waitForStarted(5000));
    }

    QByteArray file(const char *name) const
    {
        QFile f(QDir(folder.path()).filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Logged in: the settings were read and Help=2 written.
    bool loggedIn() const { return file("orvellobby.ini").contains("Help=2"); }

    QTemporaryDir folder;
    QString exe;
    QProcess first;
    QProcess second;
};

} // namespace

TEST_F(RealProgram, ASecondCopyEndsAtOnceAndTheFirstRunsOn)
{
    launch(first);
    ASSERT_TRUE(waitUntil([this] { return loggedIn(); }, 20000));
    launch(second);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
}

// Logging out (SIGHUP, then SIGTERM), a kill (SIGTERM) and Ctrl+C in a
// terminal (SIGINT) all close the window as Exit does.
class RealProgramSignal : public RealProgram, public ::testing::WithParamInterface<int>
{
};

TEST_P(RealProgramSignal, ClosesTheWindowAndWritesSettingsAndTally)
{
    launch(first);
    ASSERT_TRUE(waitUntil([this] { return loggedIn(); }, 20000));
    ASSERT_TRUE(signalChild(first, GetParam())) << childOutput(first).constData();
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_TRUE(first.exitStatus() == QProcess::NormalExit && first.exitCode() == 0) << childOutput(first).constData();
    // The built-in bounds are enlarged by the minimum size, so they count as
    // changed and all keys are written.
    EXPECT_TRUE(file("orvellobby.ini").contains("Playsounds=true"));
    EXPECT_TRUE(file("Tavlixtally.tld").startsWith("WRZL"));
}

INSTANTIATE_TEST_SUITE_P(ShutdownSignals, RealProgramSignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return std::string(info.param == SIGTERM ? "SIGTERM" : info.param == SIGINT ? "SIGINT" : "SIGHUP");
                         });
