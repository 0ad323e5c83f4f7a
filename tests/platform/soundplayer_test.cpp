#include "eventloop.h"
#include "soundplayer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// A PulseAudio server of this test process alone, in a temporary folder,
// with one null sink whose monitor records what is played. It runs under
// `timeout`, so even a test that dies leaves no server behind for long, and
// it is ended when the suite ends, whatever the outcome.
class PrivatePulse
{
public:
    static constexpr int LifetimeSeconds = 90;

    // Empty when the server is up; otherwise why it is not.
    QString start()
    {
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (pulseaudio.isEmpty())
            return QStringLiteral("no pulseaudio binary");
        if (!m_folder.isValid())
            return QStringLiteral("no temporary folder");
        m_socket = QDir(m_folder.path()).filePath(QStringLiteral("native"));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_folder.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_folder.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("PULSE_STATE_PATH"), m_folder.filePath(QStringLiteral("state")));
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        // Root (as in CI) needs --system=false; no default script (-n), so the
        // server loads only the sink and its socket.
        m_server.start(QStringLiteral("timeout"),
                       {QStringLiteral("--kill-after=5"), QString::number(LifetimeSeconds), pulseaudio,
                        QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--system=false"),
                        QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
                        QStringLiteral("--use-pid-file=false"), QStringLiteral("--disable-shm=yes"),
                        QStringLiteral("--log-target=stderr"),
                        QStringLiteral("--load=module-null-sink sink_name=tavlix_null"),
                        QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + m_socket});
        if (!m_server.waitForStarted(5000))
            return QStringLiteral("pulseaudio did not start");

        // This process and the helper tools talk to that server only.
        qputenv("PULSE_SERVER", server().toLocal8Bit());
        const bool ready = waitUntil([this] { return answers(); }, 10000);
        return ready ? QString() : QStringLiteral("pulseaudio did not answer: ") + QString::fromLocal8Bit(m_server.readAll());
    }

    ~PrivatePulse() { stop(); }

    void stop()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        if (!m_server.waitForFinished(3000)) {
            m_server.kill();
            m_server.waitForFinished(3000);
        }
    }

    QString server() const { return QStringLiteral("unix:") + m_socket; }

private:
    bool answers() const
    {
        if (!QFile::exists(m_socket))
            return false;
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("--server=") + server(), QStringLiteral("info")});
        return pactl.waitForFinished(2000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
    }

    QTemporaryDir m_folder;
    QString m_socket;
    QProcess m_server;
};

// Records the null sink's monitor as 16-bit mono samples while it runs.
class MonitorRecording
{
public:
    explicit MonitorRecording(const QString &server)
    {
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("--server=") + server, QStringLiteral("--device=tavlix_null.monitor"),
                       QStringLiteral("--raw"), QStringLiteral("--format=s16le"), QStringLiteral("--rate=22050"),
                       QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
        QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, [this] { m_bytes += m_parec.readAllStandardOutput(); });
    }

    ~MonitorRecording()
    {
        m_parec.kill();
        m_parec.waitForFinished(3000);
    }

    bool started() { return m_parec.waitForStarted(5000); }

    // The largest sample magnitude recorded so far.
    int peak() const
    {
        int peak = 0;
        for (qsizetype i = 0; i + 1 < m_bytes.size(); i += 2) {
            const auto sample = qint16(quint8(m_bytes[i]) | (quint8(m_bytes[i + 1]) << 8));
            peak = std::max(peak, std::abs(int(sample)));
        }
        return peak;
    }

private:
    QProcess m_parec;
    QByteArray m_bytes;
};

class RealSound : public ::testing::Test
{
protected:
    // One server per process: the sound system connects once and keeps that
    // connection for the life of the process.
    static void SetUpTestSuite()
    {
        pulse = new PrivatePulse;
        problem = new QString(pulse->start());
    }

    static void TearDownTestSuite()
    {
        delete pulse;
        pulse = nullptr;
        delete problem;
        problem = nullptr;
    }

    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty())
            GTEST_SKIP() << "PulseAudio is not installed (tools/setup.sh installs pulseaudio and "
                            "pulseaudio-utils); the real audio path is not tested here.";
        ASSERT_TRUE(problem->isEmpty()) << problem->toStdString();
    }

    static inline PrivatePulse *pulse = nullptr;
    static inline QString *problem = nullptr;
};

} // namespace

TEST_F(RealSound, WinnerIsHeardOnTheSpeakers)
{
    ASSERT_TRUE(QFile::exists(QStringLiteral(":/sounds/winner.wav"))) << "the recordings are built in";
    MonitorRecording recording(pulse->server());
    ASSERT_TRUE(recording.started());
    spinFor(200);
    EXPECT_LT(recording.peak(), 100) << "the sink is silent before anything plays";

    SoundPlayer player;
    player.play(QStringLiteral("WINNER")); // names are found whatever their case
    EXPECT_TRUE(waitUntil([&recording] { return recording.peak() > 3000; }, 10000))
        << "loudest sample " << recording.peak();
}

TEST_F(RealSound, ANewSoundCutsOffTheOneStillPlaying)
{
    SoundPlayer player;
    player.play(QStringLiteral("square"));
    ASSERT_TRUE(waitUntil([&player] { return player.isPlaying(QStringLiteral("square")); }, 5000));
    player.play(QStringLiteral("turn"));
    EXPECT_FALSE(player.isPlaying(QStringLiteral("square")));
    EXPECT_TRUE(player.isPlaying(QStringLiteral("turn")));
    player.play(QStringLiteral("no such sound"));
    EXPECT_TRUE(player.isPlaying(QStringLiteral("turn"))) << "an unknown name plays nothing and stops nothing";
}
