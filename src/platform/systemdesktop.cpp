#include "desktop.h"

#include "soundplayer.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

SystemDesktop::SystemDesktop()
    : m_sounds(std::make_unique<SoundPlayer>())
{
}

SystemDesktop::~SystemDesktop() = default;

void SystemDesktop::message(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QStringLiteral("Tavlix"), text);
}

bool SystemDesktop::askYesNo(QWidget *parent, const QString &text)
{
    return QMessageBox::question(parent, QStringLiteral("Tavlix"), text,
                                 QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QColor> SystemDesktop::chooseColour(QWidget *parent, const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

bool SystemDesktop::openUrl(const QString &url)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

bool SystemDesktop::startProcess(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

void SystemDesktop::playSound(const QString &name)
{
    m_sounds->play(name);
}

void SystemDesktop::preloadSounds()
{
    m_sounds->preload();
}
