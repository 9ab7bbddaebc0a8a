#include "app/sound_player.h"

#include <QSoundEffect>

#include <algorithm>

#include "assets/artwork.h"

namespace llk::app {
namespace {

constexpr int SoundCount = 4;

int SoundIndex(Sound sound) { return static_cast<int>(sound) - static_cast<int>(Sound::Click); }

} // namespace

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::LoadSounds()
{
    m_sources.clear();
    for (int i = 0; i < SoundCount; ++i)
        m_sources.append(assets::SoundUrl(static_cast<int>(Sound::Click) + i));
}

bool SoundPlayer::Prepare()
{
    if (m_effects.empty()) {
        for (const QUrl& source : m_sources) {
            auto effect = std::make_unique<QSoundEffect>();
            effect->setSource(source);
            m_effects.push_back(std::move(effect));
        }
    }
    return !m_effects.empty();
}

QSoundEffect* SoundPlayer::Effect(Sound sound) const
{
    const int index = SoundIndex(sound);
    if (index < 0 || index >= static_cast<int>(m_effects.size()))
        return nullptr;
    return m_effects[static_cast<std::size_t>(index)].get();
}

// Every sound plays in the background, the click too: a click that blocked the window for its
// 20 ms would only make the game feel slower.
void SoundPlayer::Play(Sound sound)
{
    if (!Prepare())
        return;
    QSoundEffect* effect = Effect(sound);
    if (!effect)
        return;
    if (m_playing && m_playing != effect)
        m_playing->stop();
    effect->play(); // restarts the sound when it is still playing
    m_playing = effect;
}

bool SoundPlayer::IsPlaying(Sound sound) const
{
    const QSoundEffect* effect = Effect(sound);
    return effect && effect->isPlaying();
}

bool SoundPlayer::Decoded() const
{
    return std::all_of(m_effects.begin(), m_effects.end(), [](const std::unique_ptr<QSoundEffect>& effect) {
        return effect->status() == QSoundEffect::Ready || effect->status() == QSoundEffect::Error;
    });
}

} // namespace llk::app
