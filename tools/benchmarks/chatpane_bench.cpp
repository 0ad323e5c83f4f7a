// Adds chat lines from two seats that change their colour with every line
// (so every line restyles its seat's earlier lines) to a shown chat pane,
// letting the window paint after each, and prints the time per line for
// each thousand lines.
//
//   tavlix_chatpane_bench [lines] [same]   (default 10000; "same": the
//   seats keep one colour, for comparison)

#include "chatpane.h"
#include "chatview.h"
#include "clientstate.h"
#include "desktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::max(1000, QString::fromLocal8Bit(argv[1]).toInt()) : 10000;
    const bool sameColour = argc > 2 && QString::fromLocal8Bit(argv[2]) == QLatin1String("same");

    QWidget panel;
    panel.resize(764, 526);
    ClientState state;
    SystemDesktop desktop;
    ChatPane pane(&panel, state, desktop);
    panel.show();
    QApplication::processEvents();

    const ColourValue colours[2][2] = {{colourValue(0, 0, 128), colourValue(0, 128, 0)},
                                       {colourValue(128, 0, 0), colourValue(128, 0, 128)}};
    std::vector<double> perLine;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < lines; ++i) {
        const int seat = 1 + i % 2;
        const ColourValue colour = colours[seat - 1][sameColour ? 0 : (i / 2) % 2];
        pane.addlinetochat(QStringLiteral("%1+Player%1 chats: line %2 with www.example.org and :)#12 a picture")
                               .arg(seat)
                               .arg(i),
                           colour);
        QApplication::processEvents();
        if ((i + 1) % 1000 == 0) {
            perLine.push_back(double(clock.nsecsElapsed()) / 1000.0 / 1000.0);
            clock.restart();
        }
    }
    for (std::size_t k = 0; k < perLine.size(); ++k)
        std::printf("lines %6zu-%6zu: %8.1f us per line\n", k * 1000 + 1, (k + 1) * 1000, perLine[k]);
    const double ratio = perLine.back() / perLine.front();
    std::printf("last thousand / first thousand: %.2f (kept lines: %d)\n", ratio, pane.mainchat()->lineCount());
    return ratio < 2.0 ? 0 : 1;
}
