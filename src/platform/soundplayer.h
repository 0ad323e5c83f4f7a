#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QSoundEffect;

// Plays the built-in recordings (":/sounds/<name>.wav") through Qt
// Multimedia: one QSoundEffect per recording, and one sound at
// a time for the whole program, so starting a sound cuts off the one still
// playing. Everything returns at once; the audio runs on the sound system's
// own thread.
//
// A recording is loaded by preload() (the event sounds) or at its first
// play(), never when the player is made: connecting to the sound system and
// decoding recordings would delay the program's first window. Without an
// audio output device nothing is loaded and play() is silent; a recording is
// loaded at its first play() after a device has appeared.
class SoundPlayer : public QObject
{
    Q_OBJECT
public:
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    // The lower-case names of all recordings.
    static const QStringList &names();

    // Starts the recording of that name (letter case does not matter). An
    // unknown name, or no audio device, plays nothing and reports nothing.
    void play(const QString &name);
    // Starts loading the event sounds (Qt decodes them on a thread of its
    // own); a play() meanwhile sounds as soon as its recording is ready.
    void preload();

    // For tests: whether that recording is playing now.
    bool isPlaying(const QString &name) const;
    // For tests: whether every recording has finished loading (or failed).
    // Qt loads them on a thread of its own and keeps what is still loading
    // when the process ends, which a leak checker reports.
    bool settled() const;

private:
    // The recording's effect, made on first use; null for an unknown name
    // or without an audio device.
    QSoundEffect *effect(const QString &name);

    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_current = nullptr;
};
