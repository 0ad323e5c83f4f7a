#include "eventloop.h"
#include "soundplayer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A PulseAudio server for this test process alone, in a temporary folder,
// with one null sink whose monitor records what is played. It runs under
// `timeout`, so a test that dies leaves no server behind for long; the suite
// ends it in any case.
class PrivatePulse
{
public:
    // Empty when the server answers; otherwise why it does not.
    QString start(const QString &pulseaudio)
    {
        m_socket = QDir(m_folder.path()).filePath("native");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
            env.insert(name, m_folder.path());
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        // As root (CI) it needs --system=false; -n skips the default script.
        m_server.start("timeout", {"--kill-after=5", "90", pulseaudio, "-n", "--daemonize=no", "--system=false",
                                   "--exit-idle-time=-1", "--disallow-exit", "--use-pid-file=false",
                                   "--disable-shm=yes", "--load=module-null-sink sink_name=tavlix_null",
                                   "--load=module-native-protocol-unix auth-anonymous=1 socket=" + m_socket});
        if (!m_server.waitForStarted(5000))
            return "pulseaudio did not start";
        // This process and the tools it starts talk to this server only.
        qputenv("PULSE_SERVER", server().toLocal8Bit());
        if (waitUntil([this] { return answers(); }, 10000))
            return {};
        return "pulseaudio did not answer: " + QString::fromLocal8Bit(m_server.readAll());
    }

    ~PrivatePulse()
    {
        m_server.terminate();
        if (!m_server.waitForFinished(3000)) {
            m_server.kill();
            m_server.waitForFinished(3000);
        }
    }

    QString server() const { return "unix:" + m_socket; }

private:
    bool answers() const
    {
        if (!QFile::exists(m_socket))
            return false;
        QProcess pactl;
        pactl.start("pactl", {"--server=" + server(), "info"});
        return pactl.waitForFinished(2000) && pactl.exitCode() == 0;
    }

    QTemporaryDir m_folder;
    QString m_socket;
    QProcess m_server;
};

// The null sink's monitor as 16-bit mono samples, recorded while it lives.
class MonitorRecording
{
public:
    explicit MonitorRecording(const QString &server)
    {
        QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, [this] { m_bytes += m_parec.readAllStandardOutput(); });
        m_parec.start("parec", {"--server=" + server, "--device=tavlix_null.monitor", "--raw", "--format=s16le",
                                "--rate=22050", "--channels=1", "--latency-msec=20"});
    }

    ~MonitorRecording()
    {
        m_parec.kill();
        m_parec.waitForFinished(3000);
    }

    bool started() { return m_parec.waitForStarted(5000); }

    int peak() const
    {
        int peak = 0;
        for (qsizetype i = 0; i + 1 < m_bytes.size(); i += 2)
            peak = std::max(peak, std::abs(int(qint16(quint8(m_bytes[i]) | (quint8(m_bytes[i + 1]) << 8)))));
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
    // connection while the process lives.
    static void SetUpTestSuite()
    {
        const QString binary = QStandardPaths::findExecutable("pulseaudio");
        if (binary.isEmpty())
            return;
        pulse = new PrivatePulse;
        problem = pulse->start(binary);
    }

    static void TearDownTestSuite()
    {
        delete pulse;
        pulse = nullptr;
    }

    void SetUp() override
    {
        if (!pulse)
            GTEST_SKIP() << "No pulseaudio binary (tools/setup.sh installs pulseaudio and pulseaudio-utils): "
                            "the real audio path is not tested.";
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    }

    static inline PrivatePulse *pulse = nullptr;
    static inline QString problem;
};

} // namespace

TEST_F(RealSound, WinnerIsHeardOnTheSpeakers)
{
    ASSERT_TRUE(QFile::exists(":/sounds/winner.wav")) << "the recordings are built in";
    MonitorRecording recording(pulse->server());
    ASSERT_TRUE(recording.started());
    spinFor(200);
    EXPECT_LT(recording.peak(), 100) << "the sink is silent before anything plays";

    SoundPlayer player;
    player.play("WINNER"); // names are found whatever their case
    EXPECT_TRUE(waitUntil([&recording] { return recording.peak() > 3000; }, 10000)) << "peak " << recording.peak();
    EXPECT_TRUE(waitUntil([&player] { return player.settled(); }, 10000));
}

TEST_F(RealSound, TheTurnSoundCutsOffASquareStillPlaying)
{
    SoundPlayer player;
    player.play("square");
    ASSERT_TRUE(waitUntil([&player] { return player.isPlaying("square"); }, 5000));
    player.play("turn");
    EXPECT_FALSE(player.isPlaying("square"));
    EXPECT_TRUE(player.isPlaying("turn"));
    player.play("no such sound");
    EXPECT_TRUE(player.isPlaying("turn")) << "an unknown name plays nothing and stops nothing";
    EXPECT_TRUE(waitUntil([&player] { return player.settled(); }, 10000));
}
