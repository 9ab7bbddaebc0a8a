// Fontconfig's configuration as the game loads it: the system's own, less the tables of family
// names the game never asks for and the Type 1 fonts.
#pragma once

#include <filesystem>
#include <string_view>

#include <fontconfig/fontconfig.h>

namespace llk::app {

// True for a rule file whose number puts it among the family tables by fontconfig's numbering of
// its conf.d folder: 30-49 map families to similar ones and to generic names ("Arial" to its
// metric twin, "DejaVu Sans" to sans-serif), 60-69 map generic names to preferred families. The
// game draws with an installed family it names itself (ProgramFont), so no such table is ever
// consulted for its text, yet parsing them was half of fontconfig's start-up, about 2 ms.
bool MapsFamilyNamesOnly(std::string_view fileName);

// Parses `mainFile`, a configuration that includes its conf.d folder of rule files (as the
// system's fonts.conf does), with the rule files of that folder that MapsFamilyNamesOnly() leaves
// in: rendering defaults (anti-aliasing, hinting, sub-pixel order), the system's and the player's
// own files, the choice of fonts and their synthesis stay as the system set them. Type 1 fonts
// are left out. The fonts are read from their caches. Null when the file includes its rules some
// other way or a file fails to parse; the caller then loads the whole configuration.
FcConfig* LoadLeanFontConfig(const std::filesystem::path& mainFile);

// Makes fontconfig's configuration current before anything asks for a font: the lean one from the
// file fontconfig itself would load first (FONTCONFIG_FILE and FONTCONFIG_PATH as usual), or the
// whole configuration where the lean one cannot be had, without Type 1 fonts either way.
void LoadFontConfig();

} // namespace llk::app
