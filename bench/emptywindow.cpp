// The smallest Qt widgets program with a main window of the game's size and
// one menu: what the game's start-up time, memory and idle CPU are measured
// against.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.resize(772, 535);
    window.show();
    return app.exec();
}
