#include "langameslist.h"
#include "uitext.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int ServiceRole = Qt::UserRole;
constexpr int AddressRole = Qt::UserRole + 1;

} // namespace

LanGamesList::LanGamesList(std::unique_ptr<GameBrowser> browser, QWidget *parent)
    : QListWidget(parent), m_browser(std::move(browser))
{
    setObjectName(QStringLiteral("list_games"));
    UiText::set(this, staticMetaObject, QT_TR_NOOP("Games on your network"), UiText::Role::AccessibleName);
    setWordWrap(true);
    connect(m_browser.get(), &GameBrowser::gameFound, this, &LanGamesList::found);
    connect(m_browser.get(), &GameBrowser::gameLost, this, &LanGamesList::lost);
    connect(m_browser.get(), &GameBrowser::availabilityChanged, this, &LanGamesList::setAvailable);
    connect(this, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        const QString address = addressOf(item);
        if (!address.isEmpty())
            emit chosen(address);
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        const QString address = addressOf(item);
        if (!address.isEmpty())
            emit joinRequested(address);
    });
    showGames();
    m_browser->start();
}

LanGamesList::~LanGamesList() = default;

QStringList LanGamesList::rowTexts() const
{
    QStringList texts;
    for (int row = 0; row < count(); ++row)
        texts << item(row)->text();
    return texts;
}

void LanGamesList::keyPressEvent(QKeyEvent *event)
{
    const QString address = addressOf(currentItem());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !address.isEmpty()) {
        emit joinRequested(address);
        return;
    }
    QListWidget::keyPressEvent(event);
}

void LanGamesList::found(const QString &service, const lan::LanGame &game)
{
    m_games[service] = game;
    showGames();
}

void LanGamesList::lost(const QString &service)
{
    if (m_games.erase(service))
        showGames();
}

void LanGamesList::setAvailable(bool available)
{
    m_available = available;
    if (!available)
        m_games.clear();
    showGames();
}

void LanGamesList::showGames()
{
    // Rebuilding is no choice of the player's: nothing is offered anew.
    const QSignalBlocker quiet(this);
    const QString current = currentItem() ? currentItem()->data(ServiceRole).toString() : QString();
    clear();
    const auto addNote = [this](const QString &text) {
        auto *note = new QListWidgetItem(text, this);
        note->setFlags(Qt::ItemIsEnabled);
    };
    if (!m_available) {
        addNote(tr(lan::AvahiMissing));
        return;
    }
    if (m_games.empty()) {
        addNote(tr("No games on your network yet."));
        return;
    }
    for (const auto &[service, game] : m_games) {
        auto *row = new QListWidgetItem(lan::rowText(game), this);
        row->setData(ServiceRole, service);
        row->setData(AddressRole, game.address);
        if (service == current)
            setCurrentItem(row);
    }
}

QString LanGamesList::addressOf(const QListWidgetItem *item) const
{
    return item ? item->data(AddressRole).toString() : QString();
}

int listGames(GameBrowser &browser, int waitMs)
{
    std::map<QString, lan::LanGame> games;
    bool available = true;
    QEventLoop loop;
    // Tied to the loop, as the lambdas are tied to this function: the
    // browser outlives both and may still report.
    QObject::connect(&browser, &GameBrowser::gameFound, &loop,
                     [&games](const QString &service, const lan::LanGame &game) { games[service] = game; });
    QObject::connect(&browser, &GameBrowser::gameLost, &loop,
                     [&games](const QString &service) { games.erase(service); });
    QObject::connect(&browser, &GameBrowser::availabilityChanged, &loop, [&](bool now) {
        available = now;
        if (!now)
            loop.quit();
    });
    QObject::connect(&browser, &GameBrowser::settled, &loop, &QEventLoop::quit);
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    browser.start();
    loop.exec();

    if (!available) {
        std::fprintf(stderr, "%s\n", qPrintable(QCoreApplication::translate("LanGamesList", lan::AvahiMissing)));
        return 3;
    }
    QTextStream out(stdout);
    for (const auto &entry : games)
        out << lan::listLine(entry.second) << '\n';
    return 0;
}
