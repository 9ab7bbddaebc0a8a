#include "rules/messages.h"

#include "rules/level_end.h"

namespace llk {

std::string BonusText(int hints, int shuffles, int seconds)
{
    const int numbers[] = {hints,   HintBonus,   hints * HintBonus,    shuffles, ShuffleBonus, shuffles * ShuffleBonus,
                           seconds, SecondBonus, seconds * SecondBonus};
    std::string text;
    for (std::size_t i = 0; i < BonusTemplate.size(); ++i) {
        const char c = BonusTemplate[i];
        if (c == '%' && i + 1 < BonusTemplate.size() && BonusTemplate[i + 1] >= '1' && BonusTemplate[i + 1] <= '9') {
            text += std::to_string(numbers[BonusTemplate[++i] - '1']);
            continue;
        }
        text += c;
    }
    return text;
}

std::string Levelstr(int level)
{
    if (level < 1 || level > static_cast<int>(LevelCaptions.size()))
        return {};
    return std::string(LevelCaptions[level - 1]);
}

} // namespace llk
