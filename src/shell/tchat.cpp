#include "tchat.h"

#include "chatpane.h"
#include "chattersounds.h"
#include "clicklabel.h"
#include "clientstate.h"
#include "desktop.h"
#include "language.h"
#include "phrasebuttons.h"
#include "quickinstructions.h"
#include "randomsource.h"
#include "singleinstance.h"
#include "theme.h"
#include "uitext.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QLockFile>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

const char *const Tchat::WebAddress = "http://www.orvelsoftware.com";

Tchat::Tchat(ClientState &state, Desktop &desktop, RandomSource &random, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_desktop(desktop), m_random(random)
{
    setObjectName(QStringLiteral("chat"));
    UiText::set(this, staticMetaObject, QT_TR_NOOP("Tavlix by Orvel Software"), UiText::Role::WindowTitle);
    setFont(Theme::arial(11));

    m_inner = new QWidget(this);
    m_inner->setObjectName(QStringLiteral("innerArea"));
    Theme::applyBackground(m_inner);
    m_inner->installEventFilter(this);
    setCentralWidget(m_inner);

    m_panel = new QWidget(m_inner);
    m_panel->setObjectName(QStringLiteral("panel_board"));
    m_panel->setGeometry(1, 1, PanelWidth, PanelHeight);

    createMenus();
    createControls();
    insertChatItems();
    FormCreate();
}

Tchat::~Tchat() = default;

void Tchat::FormCreate()
{
    // The marker other programs may look for while the game runs; nothing
    // here tests it.
    m_marker = std::make_unique<QLockFile>(runtimeDirectory() + QStringLiteral("/tavlix.lock"));
    m_marker->setStaleLockTime(0);
    m_marker->tryLock(0);

    // First place: left 3, top 3, inner area 767 x 529, which the minimum
    // (the panel plus 4 in each direction) raises to 768 x 530 at once.
    const int menuHeight = menuBar()->sizeHint().height();
    setMinimumSize(PanelWidth + 4, PanelHeight + 4 + menuHeight);
    resize(InnerWidth + 1, InnerHeight + 1 + menuHeight);
    move(3, 3);

    m_state.systemcolor = ColourBlue;
    m_state.numseats = 6;
    // The reset of the game display (clearall) runs once the program has
    // created the board and round views on this panel.
    m_random.randomize();
    // The deal of a real host comes from the system's randomness.
    m_random.useSystemRandomness();
    m_state.ishost = false;
    m_state.whoseturn = 0;
}

QAction *Tchat::item(const QString &name) const
{
    return findChild<QAction *>(name);
}

void Tchat::createControls()
{
    // The board and the hand (panel_back and what it holds) are the board
    // panel's, the status line and the seat column the round view's; the
    // program places both on m_panel.

    auto *logo = new ClickLabel(m_panel);
    logo->setObjectName(QStringLiteral("image_logo"));
    logo->setGeometry(493, 4, 264, 28);
    logo->setPixmap(Theme::logo(264, 28));
    UiText::set(logo, staticMetaObject, QT_TR_NOOP("Orvel Software web site"), UiText::Role::AccessibleName);
    logo->clicked = [this] { image_logoClick(); };
    m_logo = logo;

    m_quickInstructions = new QuickInstructions(m_panel);
    connect(m_quickInstructions, &QuickInstructions::doneClicked, this, &Tchat::button_doneClick);

    m_chatPane = new ChatPane(m_panel, m_state, m_desktop, this);
    connect(m_chatPane, &ChatPane::settingsChanged, this, [this] {
        if (saveinifile)
            saveinifile();
    });

    m_phraseButtons = new PhraseButtons(m_panel, m_state, *m_chatPane, this);
    m_chatterSounds = new ChatterSounds(m_phraseButtons->soundButton(), m_state, m_desktop, *m_chatPane, this);
    m_chatterSounds->setPlayerPhraseSounds([this] { return item(QStringLiteral("PlayerPhraseSounds1"))->isChecked(); });
}

void Tchat::insertChatItems()
{
    QAction *before = item(QStringLiteral("chatItemsEnd"));
    m_optionsMenu->insertAction(before, m_chatPane->textColorAction());
    m_optionsMenu->insertMenu(before, m_chatPane->textSizeMenu());
    m_optionsMenu->insertAction(before, m_chatPane->scrollChatOffAction());
    m_optionsMenu->insertAction(before, m_chatPane->clearMainChatAction());
    // In the menu bar every item gets a letter of its own (Alt+O, then the
    // letter), unique within the Options menu; the words stay the same.
    const struct { const char *name; const char *caption; } letters[] = {
        {"TextColor1", QT_TR_NOOP("Text &Color")}, {"TextSize1", QT_TR_NOOP("Text Si&ze")},
        {"ScrollChatOff2", QT_TR_NOOP("Scroll Ch&at Off")}, {"ClearMainChat1", QT_TR_NOOP("Clear &Main Chat")},
        {"N8", QT_TR_NOOP("&8")}, {"N10", QT_TR_NOOP("1&0")}, {"N12", QT_TR_NOOP("1&2")}, {"N14", QT_TR_NOOP("1&4")}};
    for (const auto &letter : letters) {
        if (QAction *chatItem = item(QString::fromLatin1(letter.name)))
            UiText::set(chatItem, staticMetaObject, letter.caption);
    }
}

void Tchat::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // FormShow: the command line decides between solo, hosting and joining.
    // Run it once the window is on screen.
    QTimer::singleShot(0, this, [this] {
        if (onFirstShow)
            onFirstShow();
    });
}

bool Tchat::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_inner && event->type() == QEvent::Resize)
        FormResize();
    return QMainWindow::eventFilter(watched, event);
}

void Tchat::FormResize()
{
    // The window system keeps the window at least at its minimum size
    // (setMinimumSize). Where it ignores that hint (no window manager, a
    // tiling one) the window is sized back here, so the panel is never cut.
    // It is sized once the resize under way has finished.
    if (isVisible() && tooSmall())
        QTimer::singleShot(0, this, &Tchat::springBack);
    // The panel keeps its size and stays centred, moving by half of the
    // change in each direction.
    placePanel();
}

bool Tchat::tooSmall() const
{
    const QSize inner = m_inner->size();
    return inner.width() < PanelWidth + 4 || inner.height() < PanelHeight + 4;
}

void Tchat::springBack()
{
    if (!isVisible() || !tooSmall())
        return;
    const QSize inner = m_inner->size();
    resize(width() + qMax(0, PanelWidth + 4 - inner.width()), height() + qMax(0, PanelHeight + 4 - inner.height()));
}

void Tchat::placePanel()
{
    const QSize inner = m_inner->size();
    const int dx = qMax(0, inner.width() - InnerWidth) / 2;
    const int dy = qMax(0, inner.height() - InnerHeight) / 2;
    m_panel->move(1 + dx, 1 + dy);
}

QSize Tchat::innerSize() const
{
    return m_inner->size();
}

QSize Tchat::frameExtra() const
{
    const QRect frame = frameGeometry();
    return QSize(frame.width() - width(), frame.height() - height());
}

QRect Tchat::bounds() const
{
    return frameGeometry();
}

void Tchat::setBounds(const QRect &outer)
{
    const QSize extra = frameExtra();
    resize(qMax(1, outer.width() - extra.width()), qMax(1, outer.height() - extra.height()));
    move(outer.topLeft());
}

void Tchat::setBotspeed(int milliseconds)
{
    m_botspeed = milliseconds;
    const char *name = milliseconds == 2000 ? "Slow1" : milliseconds == 500 ? "Fast1" : "Normal1";
    if (QAction *chosen = item(QString::fromLatin1(name)))
        chosen->setChecked(true);
}

void Tchat::Fast1Click(QAction *speedItem)
{
    setBotspeed(speedItem->data().toInt());
    if (saveinifile)
        saveinifile();
}

void Tchat::setBotlevel(BotLevel level)
{
    m_botlevel = level;
    const char *name = level == BotLevel::Strong ? "LevelStrong1"
        : level == BotLevel::Expert             ? "LevelExpert1"
                                                : "LevelClassic1";
    if (QAction *chosen = item(QString::fromLatin1(name)))
        chosen->setChecked(true);
}

void Tchat::LevelStrong1Click(QAction *levelItem)
{
    setBotlevel(static_cast<BotLevel>(levelItem->data().toInt()));
    if (saveinifile)
        saveinifile();
}

QString Tchat::language() const
{
    const QAction *checked = m_languageGroup->checkedAction();
    return checked ? checked->data().toString() : QString();
}

void Tchat::setLanguage(const QString &code)
{
    for (QAction *item : m_languageGroup->actions()) {
        if (item->data().toString() == code) {
            item->setChecked(true);
            return;
        }
    }
    // A code the game does not know (a newer version's, say) counts as
    // the system default.
    m_languageGroup->actions().constFirst()->setChecked(true);
}

void Tchat::Language1Click(QAction *languageItem)
{
    languageItem->setChecked(true);
    Language::apply(languageItem->data().toString());
    if (saveinifile)
        saveinifile();
}

void Tchat::ResetScreenLocation1Click()
{
    setBounds(QRect(3, 3, BuiltInWidth, BuiltInHeight));
}

void Tchat::Exit1Click()
{
    close();
}

void Tchat::image_logoClick()
{
    m_desktop.openUrl(QString::fromLatin1(WebAddress));
}

void Tchat::QuickInstructions1Click()
{
    m_quickInstructions->showOver();
}

void Tchat::button_doneClick()
{
    m_quickInstructions->hide();
}

void Tchat::playsounds(const QString &name)
{
    if (item(QStringLiteral("PlaySounds1"))->isChecked())
        m_desktop.playSound(name);
}

void Tchat::bringForward()
{
    // Restoring puts a minimised window back as it was before, maximised
    // or not.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void Tchat::closeEvent(QCloseEvent *event)
{
    if (!m_closing) {
        m_closing = true;
        FormClose();
    }
    event->accept();
    emit closed();
}

void Tchat::FormClose()
{
    const QRect now = bounds();
    if (now != m_remembered) {
        // A window larger than the work area (maximised) is stored a little
        // smaller, so it fits when it is placed there next time.
        QRect store = now;
        const QRect work = screen() ? screen()->availableGeometry() : QRect();
        if (work.isValid() && store.width() > work.width())
            store.setWidth(store.width() - 15);
        if (work.isValid() && store.height() > work.height())
            store.setHeight(store.height() - 15);
        m_remembered = store;
        if (saveinifile)
            saveinifile();
    }
    if (onClosing)
        onClosing();
}
