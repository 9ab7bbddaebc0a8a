// The Game menu's Themes and Difficulties, and the caption rewriting of the menu bar.
#pragma once

#include <QString>

#include <array>

#include "board/difficulty.h"
#include "board/theme.h"

namespace llk::app {

using llk::DifficultyCount;
using llk::ThemeCount;
constexpr int ThemesPerPack = 10;
constexpr int PackCount = ThemeCount / ThemesPerPack;

// One Theme's entry in the Game menu. Themes 0-3 name their five difficulty items one by one;
// the others have one array of items whose members 1-4 LoadMenu creates at window load.
struct ThemeEntry {
    const char* entryName;                          // the submenu, e.g. "mnuPicture1"
    std::array<const char*, DifficultyCount> items; // Themes 0-3: five names; others: the array name first
    const char* name;                               // the caption's name and access key, e.g. "宠物连连看(&0)"
};

const ThemeEntry& ThemeMenuEntry(int theme);

// The design caption of the Theme's entry, with two "(" groups: its name and access key, then the
// Theme's picture count, e.g. "宠物连连看(&0)(70 张图片)".
QString ThemeCaption(int theme);

// "第 0 组连连看游戏(&0)(10 款)" for pack 0-2.
QString PackCaption(int pack);
const char* PackName(int pack);

// A caption with two "(" at different places becomes: the two characters after the first "(",
// ".", the text before it, a tab, and the text from the last "(" on. Others stay unchanged.
QString RewriteCaption(const QString& caption);

} // namespace llk::app
