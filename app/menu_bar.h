// The main window's menu bar as designed, with the controls' names as object names.
#pragma once

#include <QString>

#include <array>

#include "app/game_start.h"

class QAction;
class QMenu;
class QMenuBar;

namespace llk::app {

// Dynamic properties of the difficulty items and background entries: the member index within
// their control array and, for difficulty items, the Theme.
inline constexpr char IndexProperty[] = "Index";
inline constexpr char ThemeProperty[] = "ThemeIndex";

struct MenuBarItems {
    QMenu* game = nullptr;                   // mngame
    std::array<QMenu*, PackCount> packs{};   // mnuLIANPACK1-3
    std::array<QMenu*, ThemeCount> themes{}; // the ThemeEntry submenus, null until built
    QAction* hint = nullptr;                 // mnts
    QAction* shuffle = nullptr;              // mnxp
    QAction* pause = nullptr;                // mnpause
    QAction* music = nullptr;                // mnmusic
    QAction* soundEffects = nullptr;         // mnyx
    QMenu* language = nullptr;               // 语言 / Language
    std::array<QAction*, 3> languages{};     // Follow the system, 中文, English: LanguageChoice order
    QMenu* settings = nullptr;               // mnset
    QAction* backgroundTemplate = nullptr;   // mnuBackgrounds member 0, never shown
    QAction* records = nullptr;              // mnph
    QAction* help = nullptr;                 // mnhelp
    QAction* about = nullptr;                // mnabout
};

// Fills `bar` with the design-time menus, the Game menu's three packs still empty.
MenuBarItems BuildMenuBar(QMenuBar* bar);

// Fills the packs of `items` with the design-time Theme submenus: Themes 0-3 with their five
// items, Themes 4-29 with member 0 of their item arrays only.
void BuildThemeMenus(MenuBarItems& items);

// Appends difficulty item `index` of `theme` to `entry`.
QAction* AddDifficultyItem(QMenu* entry, const QString& name, int theme, int index);

} // namespace llk::app
