// Program entry: one copy per user, then the nine windows and the event loop.

#include "desktop.h"
#include "lanpublisher.h"
#include "program.h"
#include "randomsource.h"
#include "routerclient.h"
#include "shutdownsignals.h"
#include "singleinstance.h"
#include "storagepaths.h"
#include "tchat.h"

#include <QApplication>
#include <QThread>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavlix"));

    // A second copy brings the first one's window forward and ends before
    // it creates any window of its own. A copy that holds the lock but does
    // not answer (it may be starting or stuck) must not leave the player
    // without any window: after a few tries this copy starts after all.
    SingleInstance instance(QStringLiteral("quenby"));
    if (!instance.claim()) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (instance.askFirstToRaise(1000))
                return 0;
            QThread::msleep(200);
        }
    }

    SystemDesktop desktop;
    RandomSource random;
    const QString folder = QString::fromStdString(storageFolder(QCoreApplication::applicationDirPath().toStdString()));
    TavlixProgram program(desktop, random, app.arguments().mid(1), folder);
    program.setRouter(makeSystemRouterClient());
    program.setLanPublisher(std::make_unique<LanPublisher>());
    program.enableOnline();

    instance.onRaiseRequest([&program] { program.mainWindow().bringForward(); });
    // Logging out, Ctrl+C or a kill close the window the orderly way, so the
    // settings and the tally are written as on Exit.
    ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &ShutdownSignals::requested, &program.mainWindow(), &QWidget::close);
    QObject::connect(&program, &TavlixProgram::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    app.setQuitOnLastWindowClosed(false);

    program.show();
    return app.exec();
}
