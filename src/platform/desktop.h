#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QWidget;
class SoundPlayer;

// Everything the windows do that waits for a person or reaches outside the
// program. Windows call it through a reference; the program uses
// SystemDesktop, tests use the recording double in tests/support.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // Modal box with an OK button; returns when dismissed.
    virtual void message(QWidget *parent, const QString &text) = 0;
    // Modal Yes/No question; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text) = 0;
    // The system colour chooser starting at initial; nothing on Cancel.
    virtual std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) = 0;
    // The shell's "open" action for a URL or a file; false when it failed.
    virtual bool openUrl(const QString &url) = 0;
    // Starts a program detached from this one; false when it could not start.
    virtual bool startProcess(const QString &program, const QStringList &arguments) = 0;
    // Plays a built-in recording by its lower-case name, replacing any
    // recording still playing; never blocks and never reports failure.
    virtual void playSound(const QString &name) = 0;
    // Starts loading the recordings, so the first sound is not late; the
    // program asks once its main window is on screen. Without it the first
    // playSound loads them.
    virtual void preloadSounds() {}
};

// The real desktop: Qt message boxes, QColorDialog, QDesktopServices,
// QProcess and the program's sound player.
class SystemDesktop : public Desktop
{
public:
    SystemDesktop();
    ~SystemDesktop() override;

    void message(QWidget *parent, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &text) override;
    std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) override;
    bool openUrl(const QString &url) override;
    bool startProcess(const QString &program, const QStringList &arguments) override;
    void playSound(const QString &name) override;
    void preloadSounds() override;

private:
    std::unique_ptr<SoundPlayer> m_sounds;
};
