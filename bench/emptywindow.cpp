// The smallest Qt widgets program with a main window: what the game's
// start-up time and idle CPU are measured against.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
