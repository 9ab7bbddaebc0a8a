// The sound module: one QSoundEffect per sound.
#include "app/sound_output.h"

#include <QSoundEffect>

#include <memory>
#include <vector>

namespace llk::app {
namespace {

// Every sound plays in the background, the click too: a click that blocked the window for its
// 20 ms would only make the game feel slower. Without an audio device every call does nothing.
class EffectOutput final : public SoundOutput {
public:
    explicit EffectOutput(const QList<QUrl>& sources)
    {
        for (const QUrl& source : sources) {
            auto effect = std::make_unique<QSoundEffect>();
            effect->setSource(source);
            m_effects.push_back(std::move(effect));
        }
    }

    void Play(int index) override
    {
        if (index < 0 || index >= static_cast<int>(m_effects.size()))
            return;
        QSoundEffect* effect = m_effects[static_cast<std::size_t>(index)].get();
        if (m_playing && m_playing != effect)
            m_playing->stop();
        effect->play(); // restarts the sound when it is still playing
        m_playing = effect;
    }

private:
    std::vector<std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_playing = nullptr;
};

} // namespace
} // namespace llk::app

extern "C" Q_DECL_EXPORT llk::app::SoundOutput* llk_create_sound_output(const QList<QUrl>& sources)
{
    return new llk::app::EffectOutput(sources);
}
