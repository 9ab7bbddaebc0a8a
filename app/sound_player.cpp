#include "app/sound_player.h"

#include <QSoundEffect>

#include "assets/artwork.h"

namespace llk::app {

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::LoadSounds()
{
    for (std::size_t i = 0; i < m_effects.size(); ++i) {
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(assets::SoundUrl(static_cast<int>(Sound::Click) + static_cast<int>(i)));
        m_effects[i] = std::move(effect);
    }
}

void SoundPlayer::Play(Sound sound)
{
    const auto index = static_cast<std::size_t>(static_cast<int>(sound) - static_cast<int>(Sound::Click));
    if (index >= m_effects.size() || !m_effects[index])
        return;
    QSoundEffect* effect = m_effects[index].get();
    if (m_playing && m_playing != effect)
        m_playing->stop();
    effect->play(); // restarts the sound when it is still playing
    m_playing = effect;
}

} // namespace llk::app
