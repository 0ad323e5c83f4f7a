#include "tdownload.h"

#include "desktop.h"
#include "httpcli.h"
#include "iniprofile.h"
#include "storagepaths.h"
#include "tavlixsettings.h"
#include "theme.h"
#include "uitext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

const char *const Tdownload::BuiltInUrl = "https://www.orvelsoftware.com/lobby/qmrsetup.exe";
const char *const Tdownload::InstalledLauncher = "C:\\Program Files\\Orvel\\OrvelLobby.exe";
const char *const Tdownload::LauncherName = "orvellobby";

namespace {

const char *const PleaseOpenLobby = QT_TRANSLATE_NOOP("Tdownload", "Please close the game and open the Orvel Lobby using the icon on your desktop "
                                    "or using the your Window's start-up menu.");
const char *const ErrorOccurred = QT_TRANSLATE_NOOP("Tdownload", "An Error has Occurred.");

QLabel *addText(QWidget *parent, const char *name, const char *text, const QRect &place)
{
    auto *label = new QLabel(parent);
    if (text)
        UiText::set(label, Tdownload::staticMetaObject, text);
    label->setObjectName(QString::fromLatin1(name));
    // Plain text keeps every blank as written.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setGeometry(place);
    return label;
}

// The two progress labels: a screen reader hears the text as the name (a
// label offers nothing else), with the label's role as its description.
void showInfo(QLabel *label, const QString &text)
{
    label->setText(text);
    UiText::fit(label); // a longer language's words take a smaller font
    label->setAccessibleName(text.isEmpty() ? QCoreApplication::translate("Tdownload", "No download") : text);
}

QPushButton *addButton(QWidget *parent, const char *name, const char *text, const QRect &place)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    UiText::set(button, Tdownload::staticMetaObject, text);
    UiText::set(button, Tdownload::staticMetaObject, text, UiText::Role::AccessibleName);
    button->setGeometry(place);
    return button;
}

// A file the game itself keeps in its folder; a download must never
// replace one of them, whatever name the address ends in.
bool isGameFile(const QString &name)
{
    for (const char *own : {"tavlix", Tdownload::LauncherName, SettingsFileName, TallyFileName}) {
        if (name == QLatin1String(own))
            return true;
    }
    return false;
}

// A program this system can run itself: an ELF file or a "#!" script.
bool isNativeProgram(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head.startsWith("\x7f" "ELF") || head.startsWith("#!");
}

} // namespace

Tdownload::Tdownload(Desktop &desktop, const QString &storageFolder, const QString &executableFolder,
                     QWidget *mainWindow)
    : GameWindow(QStringLiteral("download"), QString(), QSize(489, 353), mainWindow)
    , m_desktop(desktop)
    , m_storageFolder(storageFolder)
    , m_executableFolder(executableFolder)
    , m_http(new HttpCli(this))
{
    UiText::set(this, staticMetaObject, QT_TR_NOOP("Download The Orvel Lobby"), UiText::Role::WindowTitle);
    createControls();
    connect(m_http, &HttpCli::headerData, this, &Tdownload::HttpCli1HeaderData);
    connect(m_http, &HttpCli::docBegin, this, &Tdownload::HttpCli1DocBegin);
    connect(m_http, &HttpCli::docData, this, &Tdownload::HttpCli1DocData);
    connect(m_http, &HttpCli::finished, this, &Tdownload::HttpCli1RequestDone);
}

Tdownload::~Tdownload()
{
    // The client goes before the file it may be writing into.
    delete m_http;
}

void Tdownload::createControls()
{
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(8, 8, 160, 120);
    picture->setFrameShape(QFrame::Box);
    UiText::set(picture, staticMetaObject, QT_TR_NOOP("The Orvel Lobby"), UiText::Role::AccessibleName);
    QImageReader reader(QStringLiteral(":/pictures/lobby.jpg"), "jpg");
    picture->setPixmap(QPixmap::fromImage(reader.read()));

    QLabel *intro = addText(this, "Label1",
                            QT_TR_NOOP("Download The Orvel Lobby Now to play this  and other exciting games "
                                       "online with other players! "),
                            QRect(178, 8, 303, 44));
    intro->setFont(Theme::arial(13, true));
    m_getbutton = addButton(this, "getbutton", QT_TR_NOOP("Download And Install The Orvel Lobby Now"),
                            QRect(178, 56, 303, 27));
    m_abortbutton = addButton(this, "abortbutton", QT_TR_NOOP("Stop Download"), QRect(178, 89, 110, 24));
    m_abortbutton->setEnabled(false);
    m_infolabel = addText(this, "infolabel", nullptr, QRect(296, 89, 185, 24));
    m_infolabel->setWordWrap(false);
    m_infolabel3 = addText(this, "infolabel3", nullptr, QRect(178, 116, 303, 16));
    m_infolabel3->setWordWrap(false);
    UiText::set(m_infolabel, staticMetaObject, QT_TR_NOOP("Download progress"), UiText::Role::AccessibleDescription);
    UiText::set(m_infolabel3, staticMetaObject, QT_TR_NOOP("Download state"), UiText::Role::AccessibleDescription);
    showInfo(m_infolabel, QString());
    showInfo(m_infolabel3, QString());
    m_infolabel2 = addText(this, "infolabel2", nullptr, QRect(178, 116, 303, 16));
    m_infolabel2->hide();

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(8, 138, 473, 4);

    addText(this, "Label2",
            QT_TR_NOOP("To proceed to the game without the ability to play against others click the button below."),
            QRect(8, 148, 473, 30));
    m_button1 = addButton(this, "Button1", QT_TR_NOOP("Play Solo Game"), QRect(164, 180, 160, 25));
    m_button1->setDefault(true);
    addText(this, "Label3",
            QT_TR_NOOP("If you already have The Orvel Lobby and you wish to play with others then click the button "
                       "below to close this game and open The Orvel Lobby."),
            QRect(8, 214, 473, 30));
    m_button2 = addButton(this, "Button2", QT_TR_NOOP("Play with Others"), QRect(164, 246, 160, 25));
    QLabel *note = addText(this, "Label4",
                           QT_TR_NOOP("Note: Even if you are playing offline, you will need to configure your "
                                      "FIREWALL to allow the game to access the internet components."),
                           QRect(8, 290, 473, 44));
    note->setFont(Theme::arial(11, true));

    connect(m_getbutton, &QPushButton::clicked, this, &Tdownload::getbuttonClick);
    connect(m_abortbutton, &QPushButton::clicked, this, &Tdownload::abortbuttonClick);
    connect(m_button1, &QPushButton::clicked, this, &Tdownload::Button1Click);
    connect(m_button2, &QPushButton::clicked, this, &Tdownload::Button2Click);
    setTabOrder(m_button1, m_getbutton);
    setTabOrder(m_getbutton, m_abortbutton);
    setTabOrder(m_abortbutton, m_button2);
    m_button1->setFocus();
}

QString Tdownload::lobbyUrl() const
{
    const IniProfile profile(QDir(m_storageFolder).filePath(QString::fromLatin1(SettingsFileName)).toStdString());
    const auto configured = profile.readString(SettingsSection, "Lobbyurl");
    if (configured && !configured->empty())
        return QString::fromStdString(*configured);
    return QString::fromLatin1(BuiltInUrl);
}

QString Tdownload::fileNameOf(const QString &url)
{
    // Kept percent-encoded, so an encoded "/" cannot lead out of the folder.
    const QString path = QUrl(url).path(QUrl::FullyEncoded);
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

void Tdownload::getbuttonClick()
{
    if (m_http->busy())
        return;
    m_state = State::Started;
    const QString url = lobbyUrl();
    const QString name = fileNameOf(url);
    m_infolabel2->setText(name);

    const QString path = QDir(m_storageFolder).filePath(name);
    m_file.setFileName(path);
    if (isGameFile(name)) {
        m_desktop.message(this, tr("Cannot create file \"%1\". It is one of the game's own files.").arg(path));
        return;
    }
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_desktop.message(this, tr("Cannot create file \"%1\". %2").arg(path, m_file.errorString()));
        return;
    }

    m_getbutton->setEnabled(false);
    m_abortbutton->setEnabled(true);
    showInfo(m_infolabel, tr("Loading"));
    if (!m_http->get(url, &m_file))
        HttpCli1RequestDone(false);
}

void Tdownload::abortbuttonClick()
{
    m_http->abort();
    showInfo(m_infolabel, tr("Download has been aborted."));
    m_state = State::Aborted;
    showInfo(m_infolabel3, tr("Download Aborted"));
}

void Tdownload::HttpCli1HeaderData()
{
    showInfo(m_infolabel, m_infolabel->text() + QLatin1Char('.'));
}

void Tdownload::HttpCli1DocBegin()
{
    showInfo(m_infolabel3, tr("Downloading: %1").arg(m_infolabel2->text()));
}

void Tdownload::HttpCli1DocData(qint64 count)
{
    showInfo(m_infolabel, tr("%1 bytes").arg(count));
}

void Tdownload::HttpCli1RequestDone(bool ok)
{
    if (ok) {
        m_file.flush();
        showInfo(m_infolabel, tr("Received %1 bytes").arg(m_file.size()));
    } else {
        showInfo(m_infolabel, tr("Download Aborted"));
        m_state = State::Aborted;
    }
    m_getbutton->setEnabled(true);
    m_abortbutton->setEnabled(false);
    // A partial file stays where it is.
    const QString path = m_file.fileName();
    m_file.close();

    if (m_state == State::Started) {
        showInfo(m_infolabel3, tr("Installing"));
        install(path);
    }
}

void Tdownload::install(const QString &path)
{
    bool started = false;
    if (isNativeProgram(path)) {
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
        started = m_desktop.startProcess(path, {QStringLiteral("/SP-"), QStringLiteral("/silent"), QStringLiteral("/noicons")});
    } else {
        // The desktop's opener takes no parameters; it decides what runs
        // the file (a Windows installer, say).
        started = m_desktop.openUrl(QUrl::fromLocalFile(path).toString());
    }
    if (!started) {
        m_desktop.message(this, tr(ErrorOccurred));
        return;
    }
    if (onExit)
        onExit();
}

void Tdownload::Button1Click()
{
    close();
}

QString Tdownload::findLauncher() const
{
    const QFileInfo beside(QDir(m_executableFolder).filePath(QString::fromLatin1(LauncherName)));
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    const QString onPath = QStandardPaths::findExecutable(QString::fromLatin1(LauncherName));
    if (!onPath.isEmpty())
        return onPath;
    if (QFile::exists(QString::fromLatin1(InstalledLauncher)))
        return QString::fromLatin1(InstalledLauncher);
    return {};
}

void Tdownload::Button2Click()
{
    const QString launcher = findLauncher();
    if (launcher.isEmpty()) {
        m_desktop.message(this, tr(PleaseOpenLobby));
        return;
    }
    // The launcher is started detached; the window system decides whether
    // it comes to the front, as this process ends at once anyway.
    if (!m_desktop.startProcess(launcher, {})) {
        m_desktop.message(this, tr(ErrorOccurred));
        return;
    }
    if (onExit)
        onExit();
}

void Tdownload::keyPressEvent(QKeyEvent *event)
{
    // Return presses the focused button, or the default "Play Solo Game".
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto *focused = qobject_cast<QPushButton *>(focusWidget());
        (focused && focused->isEnabled() ? focused : m_button1)->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        Button1Click();
        return;
    }
    GameWindow::keyPressEvent(event);
}
