#pragma once

#include "gamewindow.h"

#include <QFile>
#include <QString>

#include <functional>

class Desktop;
class HttpCli;
class QLabel;
class QPushButton;

// The window that offers the lobby launcher beside a solo game: download
// and run its installer, go on with the solo game, or hand over to a
// launcher that is already installed.
//
// The installer's address is built in; the key Lobbyurl in section
// "Tavlix" of the settings file replaces it. The installer is saved under
// the address's last path segment in the storage folder (the executable's
// folder, or the per-user data folder when that is not writable).
class Tdownload : public GameWindow
{
    Q_OBJECT
public:
    static const char *const BuiltInUrl;
    // Where an installed launcher is looked for after the executable's
    // folder and PATH; kept as the maker's installations use it, so it is
    // never found on Linux.
    static const char *const InstalledLauncher;
    static const char *const LauncherName;   // "orvellobby"

    // `storageFolder`: where the settings file is and the installer goes.
    // `executableFolder`: the game's own folder, searched for the launcher.
    Tdownload(Desktop &desktop, const QString &storageFolder, const QString &executableFolder,
              QWidget *mainWindow = nullptr);
    ~Tdownload() override;

    // Ends the game as File > Exit does; installed by the program.
    std::function<void()> onExit;

    void getbuttonClick();
    void abortbuttonClick();
    void HttpCli1HeaderData();
    void HttpCli1DocBegin();
    void HttpCli1DocData(qint64 count);
    void Button1Click();
    void Button2Click();

    // The installer's address: Lobbyurl, or the built-in one.
    QString lobbyUrl() const;
    // Everything after the last "/" of the address's path (query and
    // fragment are not part of it).
    static QString fileNameOf(const QString &url);
    // The launcher "Play with Others" would start; empty when none is found.
    QString findLauncher() const;

    HttpCli &httpCli() const { return *m_http; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void HttpCli1RequestDone(bool ok);
    void install(const QString &path);

    Desktop &m_desktop;
    QString m_storageFolder;
    QString m_executableFolder;
    HttpCli *m_http = nullptr;
    QFile m_file;
    // Started when a download begins; aborted by the stop button or a
    // failed transfer. Only a download still started at its end is run.
    enum class State { Started, Aborted } m_state = State::Aborted;

    QPushButton *m_getbutton = nullptr;
    QPushButton *m_abortbutton = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
    QLabel *m_infolabel = nullptr;
    QLabel *m_infolabel2 = nullptr;
    QLabel *m_infolabel3 = nullptr;
};
