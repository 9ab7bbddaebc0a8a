// What the game remembers between runs: the two Settings switches, the background picture and
// the last name given to a result.
#pragma once

#include <QString>

namespace llk::app {

// The player's choice of language in the Settings menu.
enum class LanguageChoice { System, Chinese, English };

struct RememberedSettings {
    bool music = true;        // mnmusic
    bool soundEffects = true; // mnyx
    QString background;       // a file name of the Background folder; empty: the built-in picture
    QString lastName;         // the name last entered for a result
    LanguageChoice language = LanguageChoice::System;
};

// An INI file in the standard configuration folder. A missing file, or a damaged one, gives the
// designed defaults, and a damaged one is kept aside before the first write; a value of the
// wrong kind gives its own default.
class Settings {
public:
    explicit Settings(QString filePath);
    // settings.ini in the standard configuration folder (~/.config/lianliankan on Linux).
    static QString StandardPath();

    const QString& filePath() const { return m_filePath; }
    RememberedSettings Load() const;
    void SetMusic(bool on);
    void SetSoundEffects(bool on);
    void SetBackground(const QString& fileName);
    void SetLastName(const QString& name);
    void SetLanguage(LanguageChoice language);

private:
    void Write(const QString& key, const QString& value);

    QString m_filePath;
};

// The name a result is first offered: the login's full name, else its user name.
QString LoginName();

} // namespace llk::app
