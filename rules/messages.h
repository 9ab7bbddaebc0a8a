// The texts of the game's message boxes, exactly as the player reads them.
#pragma once

#include <string>
#include <string_view>

namespace llk {

constexpr std::string_view AllClearedText = "恭喜你已经全部通关了！";
constexpr std::string_view AutoShuffleText = "无牌可消！自动将使用洗牌！";
constexpr std::string_view NoPairGameOverText = "无牌可消！游戏结束！";
constexpr std::string_view TimeUpText = "时间用尽，游戏结束！";

// The level-cleared box: what the hints (10 each), shuffles (50 each) and whole seconds left
// (10 each) are worth. Lines end in CR LF.
std::string BonusText(int hints, int shuffles, int seconds);

} // namespace llk
