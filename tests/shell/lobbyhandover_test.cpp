// The download window inside the whole program: a launcher it starts ends
// the game as File > Exit does.

#include "programfixture.h"
#include "tdownload.h"

#include <QSignalSpy>

TEST_F(ProgramTest, PlayWithOthersStartsTheLauncherAndEndsTheGameAsExitDoes)
{
    QTemporaryDir pathFolder;
    QFile launcher(pathFolder.filePath("orvellobby"));
    ASSERT_TRUE(launcher.open(QIODevice::WriteOnly));
    launcher.close();
    launcher.setPermissions(launcher.permissions() | QFile::ExeOwner);
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", pathFolder.path().toUtf8());

    startSoloAndLogIn();
    QSignalSpy finished(program.get(), &TavlixProgram::finished);
    program->download().Button2Click();
    qputenv("PATH", savedPath);

    ASSERT_EQ(desktop.processes.size(), 1);
    EXPECT_EQ(desktop.processes.at(0).program, launcher.fileName());
    EXPECT_TRUE(waitUntil([&] { return finished.count() == 1; }));
    EXPECT_FALSE(program->mainWindow().isVisible());
}
