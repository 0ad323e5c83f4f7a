#pragma once

#include "botlevel.h"

#include <QMainWindow>
#include <QRect>

#include <functional>
#include <memory>

class ChatPane;
class ChatterSounds;
class Desktop;
class PhraseButtons;
class QAction;
class QActionGroup;
class QLabel;
class QLockFile;
class QMenu;
class QuickInstructions;
class RandomSource;
struct ClientState;

// The main window: the frame that holds the board, the hand, the player
// list and the chat on one fixed-size panel, and owns the menus. The game
// and chat views live in their own classes; this class lays them out and
// wires their operations to the window's events and menus.
class Tchat : public QMainWindow
{
    Q_OBJECT
public:
    // Built-in outer size, used at first start and by Reset Screen Location.
    static constexpr int BuiltInWidth = 772;
    static constexpr int BuiltInHeight = 535;
    // The panel that holds everything, and the inner area around it.
    static constexpr int PanelWidth = 764;
    static constexpr int PanelHeight = 526;
    static constexpr int InnerWidth = 767;
    static constexpr int InnerHeight = 529;

    Tchat(ClientState &state, Desktop &desktop, RandomSource &random, QWidget *parent = nullptr);
    ~Tchat() override;

    QWidget *panel() const { return m_panel; }
    ChatPane &chatPane() const { return *m_chatPane; }
    PhraseButtons &phraseButtons() const { return *m_phraseButtons; }
    ChatterSounds &chatterSounds() const { return *m_chatterSounds; }
    QMenu *fileMenu() const { return m_fileMenu; }
    QMenu *optionsMenu() const { return m_optionsMenu; }
    QMenu *viewMenu() const { return m_viewMenu; }
    QMenu *helpMenu() const { return m_helpMenu; }
    // Finds a menu item by its name (e.g. "BotSpeed1", "Fast1").
    QAction *item(const QString &name) const;

    // Window events.
    void FormCreate();
    void FormResize();
    void FormClose();
    // Menu operations.
    void Fast1Click(QAction *speedItem);
    // Each "Computer Strength" item: Classic, Strong or Expert, saved at once.
    void LevelStrong1Click(QAction *levelItem);
    // Each "Language" item: the desktop's language or a chosen one, saved
    // and applied to every window at once.
    void Language1Click(QAction *languageItem);
    // The setting `Language` the menu shows: empty for the system default.
    QString language() const;
    void setLanguage(const QString &code);
    void ResetScreenLocation1Click();
    void Exit1Click();
    void image_logoClick();
    // Help, "Quick Instructions" (also at the first login): the panel over
    // the board; its DONE button hides it again.
    void QuickInstructions1Click();
    void button_doneClick();
    QuickInstructions &quickInstructions() const { return *m_quickInstructions; }

    // The one way the client plays an event sound, by its lower-case name;
    // silent while Options > Play Sounds is off.
    void playsounds(const QString &name);

    // The computer players' pause in milliseconds: 0 until the settings are
    // read, then 2000, 1000 or 500 (the tag of BotSpeed1).
    int botspeed() const { return m_botspeed; }
    void setBotspeed(int milliseconds);
    // How the hosting copy's computer plays every seat it plays: Classic
    // until the settings say otherwise (the item checked under
    // ComputerStrength1).
    BotLevel botlevel() const { return m_botlevel; }
    void setBotlevel(BotLevel level);

    // The window's outer bounds (frame included) and the bounds last read
    // from or written to the settings file.
    QRect bounds() const;
    void setBounds(const QRect &outer);
    QRect rememberedBounds() const { return m_remembered; }
    // What saveinifile writes: the current bounds, or while closing the
    // bounds adjusted to the work area.
    QRect boundsToSave() const { return m_closing ? m_remembered : bounds(); }
    void setRememberedBounds(const QRect &bounds) { m_remembered = bounds; }
    // The inner area (below the menu bar) and where the panel sits in it.
    QSize innerSize() const;

    // Brings the window to the front, restoring it if it was minimised (a
    // second start of the program asks for this).
    void bringForward();

    // Hooks the program installs: runs the start-up (once, on first show),
    // saves the settings, and what closing must finish (tally file).
    std::function<void()> onFirstShow;
    std::function<void()> saveinifile;
    std::function<void()> onClosing;

    static const char *const WebAddress;

signals:
    // Emitted when the window has closed; the program then ends.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void createControls();
    void insertChatItems();
    void placePanel();
    bool tooSmall() const;
    void springBack();
    QSize frameExtra() const;

    ClientState &m_state;
    Desktop &m_desktop;
    RandomSource &m_random;
    std::unique_ptr<QLockFile> m_marker;
    QWidget *m_inner = nullptr;
    QWidget *m_panel = nullptr;
    QLabel *m_logo = nullptr;
    ChatPane *m_chatPane = nullptr;
    QuickInstructions *m_quickInstructions = nullptr;
    PhraseButtons *m_phraseButtons = nullptr;
    ChatterSounds *m_chatterSounds = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QActionGroup *m_botSpeedGroup = nullptr;
    QActionGroup *m_turnSoundGroup = nullptr;
    QActionGroup *m_botLevelGroup = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QActionGroup *m_onlineGroup = nullptr;
    int m_botspeed = 0;
    BotLevel m_botlevel = DefaultBotLevel;
    QRect m_remembered;
    bool m_shown = false;
    bool m_closing = false;
};
