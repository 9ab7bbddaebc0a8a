// The texts the engine shows: message boxes and level captions, exactly as the player reads them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace llk {

constexpr std::string_view AllClearedText = "恭喜你已经全部通关了！";
constexpr std::string_view AutoShuffleText = "无牌可消！自动将使用洗牌！";
constexpr std::string_view NoPairGameOverText = "无牌可消！游戏结束！";
constexpr std::string_view TimeUpText = "时间用尽，游戏结束！";

// The status line's caption of levels 1 to 12; the numbers count from 0.
constexpr std::array<std::string_view, 12> LevelCaptions{
    "第0关 不变化",   "第1关 向下",     "第2关 向左",     "第3关 上下分离", "第4关 左右分离",  "第5关 上下集中",
    "第6关 左右集中", "第7关 上左下右", "第8关 左下右上", "第9关 向外扩散", "第10关 向内集中", "特级篇一统天下",
};

// The level caption of the status line, empty outside 1-12.
std::string Levelstr(int level);

// The level-cleared box, with %1 to %9 for the numbers in their order: hints left, the bonus of
// one, their sum; the same for shuffles; then the whole seconds left, the bonus of one, the sum.
constexpr std::string_view BonusTemplate =
    "恭喜过关！\r\n额外得分：\r\n%1 个道具“提示”，每个 %2 分，共 %3 分。\r\n"
    "%4 个道具“洗牌”，每个 %5 分，共 %6 分。\r\n剩下 %7 时间，每秒 %8 分，共 %9 分。";

// The level-cleared box: what the hints, shuffles and whole seconds left are worth, each at its
// bonus from the level-end rules. Lines end in CR LF.
std::string BonusText(int hints, int shuffles, int seconds);

} // namespace llk
