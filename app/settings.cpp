#include "app/settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

#include <pwd.h>
#include <unistd.h>

namespace llk::app {
namespace {

constexpr qint64 MaxSettingsFileBytes = 64 * 1024;

const QString MusicKey = QStringLiteral("sound/music");
const QString SoundEffectsKey = QStringLiteral("sound/effects");
const QString BackgroundKey = QStringLiteral("window/background");
const QString LastNameKey = QStringLiteral("records/lastName");
const QString LanguageKey = QStringLiteral("window/language");

// The words settings.ini keeps for each choice; anything else follows the system.
QString LanguageWord(LanguageChoice language)
{
    switch (language) {
    case LanguageChoice::Chinese: return QStringLiteral("zh");
    case LanguageChoice::English: return QStringLiteral("en");
    case LanguageChoice::System: break;
    }
    return QStringLiteral("system");
}

LanguageChoice ReadLanguage(const QSettings& settings)
{
    const QString text = settings.value(LanguageKey).toString();
    for (const LanguageChoice choice : {LanguageChoice::Chinese, LanguageChoice::English})
        if (text == LanguageWord(choice))
            return choice;
    return LanguageChoice::System;
}

QString Flag(bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); }

// Only the two words the game writes count; anything else leaves the default.
bool ReadFlag(const QSettings& settings, const QString& key, bool fallback)
{
    const QString text = settings.value(key).toString();
    if (text == Flag(true))
        return true;
    if (text == Flag(false))
        return false;
    return fallback;
}

// A file this game writes is a few short lines of UTF-8: sections, "key=value" lines and
// comments. QSettings reads anything; whatever else is in the file is damage.
bool IsDamaged(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return false;
    if (file.size() > MaxSettingsFileBytes || !file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return true;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#'))
            continue;
        const bool section = trimmed.startsWith(u'[') && trimmed.endsWith(u']');
        if (!section && !trimmed.contains(u'='))
            return true;
        for (const QChar c : trimmed)
            if (c.category() == QChar::Other_Control)
                return true;
    }
    return QSettings(path, QSettings::IniFormat).status() != QSettings::NoError;
}

QString ReadText(const QSettings& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

} // namespace

Settings::Settings(QString filePath) : m_filePath(std::move(filePath)) {}

QString Settings::StandardPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(QStringLiteral("settings.ini"));
}

RememberedSettings Settings::Load() const
{
    RememberedSettings remembered;
    if (!QFile::exists(m_filePath) || IsDamaged(m_filePath))
        return remembered;
    const QSettings settings(m_filePath, QSettings::IniFormat);
    remembered.music = ReadFlag(settings, MusicKey, remembered.music);
    remembered.soundEffects = ReadFlag(settings, SoundEffectsKey, remembered.soundEffects);
    remembered.background = ReadText(settings, BackgroundKey);
    remembered.lastName = ReadText(settings, LastNameKey);
    remembered.language = ReadLanguage(settings);
    return remembered;
}

void Settings::SetMusic(bool on) { Write(MusicKey, Flag(on)); }
void Settings::SetSoundEffects(bool on) { Write(SoundEffectsKey, Flag(on)); }
void Settings::SetBackground(const QString& fileName) { Write(BackgroundKey, fileName); }
void Settings::SetLastName(const QString& name) { Write(LastNameKey, name); }
void Settings::SetLanguage(LanguageChoice language) { Write(LanguageKey, LanguageWord(language)); }

void Settings::Write(const QString& key, const QString& value)
{
    if (IsDamaged(m_filePath)) {
        // Rewriting would drop what could not be read: the damaged file is kept beside it.
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (!QFile::rename(m_filePath, m_filePath + QStringLiteral(".damaged-") + stamp))
            return;
    }
    QSettings settings(m_filePath, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}

QString LoginName()
{
    if (const passwd* entry = getpwuid(getuid())) {
        // The full name is the first comma-separated field of the account's comment.
        const QString fullName =
            QString::fromLocal8Bit(entry->pw_gecos ? entry->pw_gecos : "").section(u',', 0, 0).trimmed();
        if (!fullName.isEmpty())
            return fullName;
        const QString user = QString::fromLocal8Bit(entry->pw_name ? entry->pw_name : "");
        if (!user.isEmpty())
            return user;
    }
    return qEnvironmentVariable("USER");
}

} // namespace llk::app
