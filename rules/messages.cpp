#include "rules/messages.h"

#include "rules/commands.h"
#include "rules/level_end.h"

namespace llk {

std::string BonusText(int hints, int shuffles, int seconds)
{
    const auto n = [](int value) { return std::to_string(value); };
    return "恭喜过关！\r\n额外得分：\r\n" + n(hints) + " 个道具“提示”，每个 " + n(HintBonus) + " 分，共 " +
           n(hints * HintBonus) + " 分。\r\n" + n(shuffles) + " 个道具“洗牌”，每个 " + n(ShuffleBonus) + " 分，共 " +
           n(shuffles * ShuffleBonus) + " 分。\r\n剩下 " + n(seconds) + " 时间，每秒 " + n(SecondBonus) + " 分，共 " +
           n(seconds * SecondBonus) + " 分。";
}

std::string Levelstr(int level)
{
    if (level < 1 || level > static_cast<int>(LevelCaptions.size()))
        return {};
    return std::string(LevelCaptions[level - 1]);
}

} // namespace llk
