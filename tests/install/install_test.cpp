#include "childprocess.h"
#include "eventloop.h"
#include "tileart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QMap>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <csignal>
#include <pwd.h>
#include <unistd.h>

namespace {

const QString AppId = QStringLiteral("com.orvelsoftware.Tavlix");
const QString GamesDir = QStringLiteral(TAVLIX_INSTALL_GAMESDIR);

// Runs a command to its end; its exit code, or -1 when it could not run or
// took longer than the time given. Output goes to `output`.
int run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr, int msecs = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return -1;
    if (!process.waitForFinished(msecs)) {
        process.kill();
        process.waitForFinished(3000);
        return -1;
    }
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The sanitizer runtimes read their suppression files when the program
// starts. A program started as another user cannot read them inside a
// private checkout, and the runtime ends it at once. Copies of the files,
// readable by everybody, in `folder` (which that user can reach) keep the
// same suppressions, and every other option, in force for it.
void shareSanitizerSuppressions(QProcessEnvironment &env, const QString &folder)
{
    const QString key = QStringLiteral("suppressions=");
    for (const char *variable : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"}) {
        if (!env.contains(variable))
            continue;
        QStringList options = env.value(variable).split(':');
        for (QString &option : options) {
            if (!option.startsWith(key))
                continue;
            const QString copy = QDir(folder).filePath(QString(variable).toLower() + ".supp");
            QFile::remove(copy);
            if (QFile::copy(option.mid(key.size()), copy)) {
                QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
                option = key + copy;
            }
        }
        env.insert(variable, options.join(':'));
    }
}

// The game installed by `cmake --install` into a private prefix.
class Installed : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        prefix = root.filePath("usr");
        QByteArray log;
        ASSERT_EQ(run(TAVLIX_CMAKE_COMMAND, {"--install", TAVLIX_BUILD_DIR, "--prefix", prefix}, &log), 0)
            << log.constData();
    }

    QString installed(const QString &path) const { return QDir(prefix).filePath(path); }

    QTemporaryDir root;
    QString prefix;
};

TEST_F(Installed, ProgramsDesktopEntryIconsAndMetainfoLandInTheirFolders)
{
    EXPECT_TRUE(QFileInfo(installed(GamesDir + "/tavlix")).isExecutable());
    if (QFileInfo::exists(QStringLiteral(TAVLIX_BUILD_DIR "/orvellobby"))) {
        EXPECT_TRUE(QFileInfo(installed(GamesDir + "/orvellobby")).isExecutable());
        EXPECT_TRUE(QFileInfo::exists(installed("share/man/man6/orvellobby.6.gz")));
    }
    EXPECT_TRUE(QFileInfo::exists(installed("share/man/man6/tavlix.6.gz")));
    EXPECT_TRUE(QFileInfo::exists(installed("share/applications/" + AppId + ".desktop")));
    EXPECT_TRUE(QFileInfo::exists(installed("share/metainfo/" + AppId + ".metainfo.xml")));
    for (int size : {48, 128, 256}) {
        const QString path = installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(size) + AppId + ".png");
        const QImage icon(path);
        EXPECT_EQ(icon.size(), QSize(size, size)) << qPrintable(path);
    }
    QFile svg(installed("share/icons/hicolor/scalable/apps/" + AppId + ".svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    int paths = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("path"))
            ++paths;
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    EXPECT_EQ(paths, 4); // one per side's symbol
}

TEST_F(Installed, DesktopEntryPassesTheValidatorAndStartsTheInstalledProgram)
{
    const QString entry = installed("share/applications/" + AppId + ".desktop");
    QByteArray report;
    EXPECT_EQ(run("desktop-file-validate", {entry}, &report), 0) << report.constData();
    EXPECT_TRUE(report.trimmed().isEmpty()) << report.constData();

    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QMap<QString, QString> keys;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            keys.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    }
    EXPECT_EQ(keys.value("Name"), "Tavlix");
    EXPECT_FALSE(keys.value("Comment").isEmpty());
    EXPECT_EQ(keys.value("Categories"), "Game;BoardGame;");
    EXPECT_EQ(keys.value("Icon"), AppId);
    EXPECT_TRUE(QFileInfo(installed(GamesDir + "/" + keys.value("Exec"))).isExecutable());
}

TEST_F(Installed, MetainfoPassesTheValidatorWithItsReleaseAndLicence)
{
    const QString metainfo = installed("share/metainfo/" + AppId + ".metainfo.xml");
    QByteArray report;
    EXPECT_EQ(run("appstreamcli", {"validate", "--no-net", "--no-color", metainfo}, &report), 0)
        << report.constData();

    QFile file(metainfo);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray xml = file.readAll();
    EXPECT_TRUE(xml.contains("<project_license>GPL-3.0-or-later</project_license>"));
    EXPECT_TRUE(xml.contains("<release version=\"1.0.0\""));
    EXPECT_TRUE(xml.contains("<launchable type=\"desktop-id\">" + AppId.toUtf8() + ".desktop</launchable>"));
    EXPECT_TRUE(xml.contains("<screenshot type=\"default\">"));
}

// The committed icons are what the tile art draws today: a change to the
// tiles' look must come with regenerated icons (tools/make-icons.sh).
TEST(Icons, CommittedPicturesMatchTheTileArt)
{
    const tile face{Heart, Star, Ring, Drop};
    for (int size : {48, 128, 256}) {
        const QString path =
            QStringLiteral(TAVLIX_SOURCE_DIR "/assets/icons/hicolor/%1x%1/apps/").arg(size) + AppId + ".png";
        const QImage committed = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage drawn = TileArt::tileFace(face, size / qreal(TileArt::CellSize))
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(committed.size(), drawn.size()) << qPrintable(path);
        EXPECT_TRUE(committed == drawn) << qPrintable(path) << " is stale: run tools/make-icons.sh";
    }
}

// An installed copy whose games/ folder its player cannot write to keeps the
// settings file and the tally in $XDG_DATA_HOME/Tavlix, and nothing lands
// beside the program. As root every folder is writable, so the program runs
// as the user "nobody" there.
TEST_F(Installed, ProgramUnderAReadOnlyBinKeepsItsFilesInTheUserDataFolder)
{
    const QString bin = installed(GamesDir);
    const QStringList before = QDir(bin).entryList(QDir::Files | QDir::Hidden);
    const QString data = root.filePath("data");
    const QString runtime = root.filePath("run");
    ASSERT_TRUE(QDir().mkpath(data));
    ASSERT_TRUE(QDir().mkpath(runtime));

    QString program = bin + "/tavlix";
    QStringList arguments;
    if (::geteuid() == 0) {
        const passwd *nobody = ::getpwnam("nobody");
        if (!nobody || run("setpriv", {"--version"}) != 0)
            GTEST_SKIP() << "running as root without the user nobody or setpriv";
        for (const QString &folder : {data, runtime})
            ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), nobody->pw_uid, nobody->pw_gid), 0);
        // nobody must be able to reach the prefix through the private root.
        QFile::setPermissions(root.path(), QFile::permissions(root.path()) | QFile::ExeOther | QFile::ReadOther);
        arguments = {"--reuid=" + QString::number(nobody->pw_uid), "--regid=" + QString::number(nobody->pw_gid),
                     "--clear-groups", "--", program};
        program = "setpriv";
    } else {
        ASSERT_TRUE(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                   | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    }
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // The solo game hosts on port 7772; another program may hold it a while.
    const bool portFree = waitUntil(
        [] {
            QTcpServer probe;
            return probe.listen(QHostAddress::Any, 7772);
        },
        30000);
    ASSERT_TRUE(portFree) << "port 7772 is held by another program";

    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", data);
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("HOME", root.filePath("home"));
    if (::geteuid() == 0)
        shareSanitizerSuppressions(env, root.path());
    game.setProcessEnvironment(env);
    game.start(program, arguments);
    ASSERT_TRUE(game.waitForStarted(10000));

    // The solo game logs in and writes Help=2 into its settings file.
    const QString settings = data + "/Tavlix/orvellobby.ini";
    const bool loggedIn = waitUntil(
        [&settings, &game] {
            QFile file(settings);
            return game.state() == QProcess::NotRunning
                || (file.open(QIODevice::ReadOnly) && file.readAll().contains("Help=2"));
        },
        30000);
    const bool stillRunning = signalChild(game, SIGTERM);
    const bool ended = game.waitForFinished(15000);
    if (!ended)
        game.kill();
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QByteArray output = childOutput(game);
    ASSERT_TRUE(stillRunning) << "the game ended by itself:\n" << output.constData();
    ASSERT_TRUE(loggedIn) << output.constData();
    ASSERT_TRUE(ended);
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);
    EXPECT_TRUE(QFileInfo::exists(data + "/Tavlix/Tavlixtally.tld"));
    EXPECT_EQ(QDir(bin).entryList(QDir::Files | QDir::Hidden), before);
}

} // namespace
