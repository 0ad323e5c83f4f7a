#include "soundplayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

SoundPlayer::SoundPlayer(QObject *parent)
    : QObject(parent)
{
}

SoundPlayer::~SoundPlayer() = default;

const QStringList &SoundPlayer::names()
{
    static const QStringList all = [] {
        QStringList list{"entered", "select", "unselect", "place", "square",
                         "invalid", "nomoves", "turn", "turnnew", "winner"};
        for (int k = 1; k <= 20; ++k)
            list << QStringLiteral("wave%1").arg(k);
        return list;
    }();
    return all;
}

QSoundEffect *SoundPlayer::effect(const QString &name)
{
    if (QSoundEffect *loaded = m_effects.value(name))
        return loaded;
    if (!names().contains(name))
        return nullptr;
    // A sound effect made without a device only reports errors; wait for
    // one instead, so a machine without sound stays quiet.
    if (m_effects.isEmpty() && QMediaDevices::audioOutputs().isEmpty())
        return nullptr;
    auto *effect = new QSoundEffect(this);
    effect->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(name)));
    m_effects.insert(name, effect);
    return effect;
}

void SoundPlayer::preload()
{
    // The chatter sounds (wave1 to wave20) wait for their first play: a
    // player's click starts them, and most games use few of them.
    for (const QString &name : names()) {
        if (!name.startsWith(QLatin1String("wave")))
            effect(name);
    }
}

void SoundPlayer::play(const QString &name)
{
    QSoundEffect *effect = this->effect(name.toLower());
    if (!effect)
        return;
    if (m_current && m_current != effect)
        m_current->stop();
    // Stopping first makes a sound that is still playing start again from
    // its beginning.
    effect->stop();
    effect->play();
    m_current = effect;
}

bool SoundPlayer::settled() const
{
    return std::all_of(m_effects.cbegin(), m_effects.cend(), [](const QSoundEffect *effect) {
        return effect->status() == QSoundEffect::Ready || effect->status() == QSoundEffect::Error;
    });
}

bool SoundPlayer::isPlaying(const QString &name) const
{
    const QSoundEffect *effect = m_effects.value(name.toLower());
    return effect && effect->isPlaying();
}
