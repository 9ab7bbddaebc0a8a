#include "app/sound_player.h"

#include <QDir>

#include "app/sound_output.h"
#include "assets/artwork.h"

namespace llk::app {
namespace {

constexpr int SoundCount = 4;

int SoundIndex(Sound sound)
{
    return static_cast<int>(sound) - static_cast<int>(Sound::Click);
}

} // namespace

SoundPlayer::SoundPlayer(QString moduleFolder) : m_moduleFolder(std::move(moduleFolder)) {}

SoundPlayer::~SoundPlayer()
{
    m_output.reset(); // before the module's code goes; the module itself stays mapped until exit
}

void SoundPlayer::LoadSounds()
{
    m_sources.clear();
    for (int i = 0; i < SoundCount; ++i)
        m_sources.append(assets::SoundUrl(static_cast<int>(Sound::Click) + i));
}

bool SoundPlayer::Prepare()
{
    if (m_prepared || m_sources.isEmpty())
        return m_output != nullptr;
    m_prepared = true;
    m_module.setFileName(QDir(m_moduleFolder).filePath(QString::fromLatin1(SoundModuleName)));
    // Qt's plugins stay loaded until exit as well: unloading a library that started audio
    // threads would pull their code from under them.
    m_module.setLoadHints(QLibrary::PreventUnloadHint);
    const auto create = reinterpret_cast<CreateSoundOutputFunction>(m_module.resolve(CreateSoundOutputName));
    if (create)
        m_output.reset(create(m_sources));
    return m_output != nullptr;
}

void SoundPlayer::Play(Sound sound)
{
    const int index = SoundIndex(sound);
    if (index < 0 || index >= SoundCount || !Prepare())
        return;
    m_output->Play(index);
}

} // namespace llk::app
