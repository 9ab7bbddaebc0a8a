#include "app/game_start.h"

#include <cassert>

namespace llk::app {
namespace {

// Items of Themes 4-29: only member 0 of each array exists before LoadMenu.
constexpr ThemeEntry Arr(const char* entry, const char* items, const char* name)
{
    return {entry, {items, nullptr, nullptr, nullptr, nullptr}, name};
}

constexpr std::array<ThemeEntry, ThemeCount> Themes{{
    {"mnuPicture1", {"mneasy", "mnnormal", "mnhard", "mnveryhard", "mnnosame"}, "宠物连连看(&0)"},
    {"mnuQQlian", {"mnuQQEasy", "mnuQQnormal", "mnuQQhard", "mnuQQveryhard", "mnuQQnosame"},
     "炫彩棋子连连看(&1)"},
    {"mnuKlian", {"mnuKEasy", "mnuKnormal", "mnuKhard", "mnuKveryhard", "mnuKnosame"}, "厨房连连看(&2)"},
    {"mnuVlian", {"mnuVEasy", "mnuVnormal", "mnuVhard", "mnuVveryhard", "mnuVnosame"}, "童趣卡通连连看(&3)"},
    Arr("mnuBllk", "mnuBllkI", "标志连连看(&4)"),
    Arr("mnuSJLLK", "mnuSJLLKI", "水晶连连看(&5)"),
    Arr("mnuWJJLLK", "mnuWJJLLKI", "文件夹连连看(&6)"),
    Arr("mnuYXANLLK", "mnuYXANLLKI", "圆形按钮连连看(&7)"),
    Arr("mnuYFLLK", "mnuYFLLKI", "衣服连连看(&8)"),
    Arr("mnuMJLLK", "mnuMJLLKI", "麻将连连看(&9)"),
    Arr("mnuMLLLK", "mnuMLLLKI", "魔力连连看(&0)"),
    Arr("mnuLLKZGL", "mnuLLKZGLI", "连连看中国龙(&1)"),
    Arr("mnuSZLLK", "mnuSZLLKI", "数字连连看(&2)"),
    Arr("mnuXPLLK", "mnuXPLLKI", "晶彩文件夹连连看(&3)"),
    Arr("mnuKTRWLLK", "mnuKTRWLLKI", "卡通人物连连看(&4)"),
    Arr("mnuADA1", "mnuADA1I", "动画明星连连看(&5)"),
    Arr("mnuADA2", "mnuADA2I", "电脑系统连连看(&6)"),
    Arr("mnuADA3", "mnuADA3I", "卡通剧场连连看(&7)"),
    Arr("mnuADA4", "mnuADA4I", "格斗英雄连连看(&8)"),
    Arr("mnuADA5", "mnuADA5I", "热血球场连连看(&9)"),
    Arr("mnuADA6", "mnuADA6I", "街头格斗连连看(&0)"),
    Arr("mnuADA7", "mnuADA7I", "可爱动物连连看(&1)"),
    Arr("mnuADA8", "mnuADA8I", "快乐数字连连看(&2)"),
    Arr("mnuADA9", "mnuADA9I", "武侠群英连连看(&3)"),
    Arr("mnuADA10", "mnuADA10I", "棋魂少年连连看(&4)"),
    Arr("mnuADA11", "mnuADA11I", "口袋精灵连连看(&5)"),
    Arr("mnuADA12", "mnuADA12I", "游戏明星连连看(&6)"),
    Arr("mnuADA13", "mnuADA13I", "甜点饼干连连看(&7)"),
    Arr("mnuADA14", "mnuADA14I", "新鲜水果连连看(&8)"),
    Arr("mnuADA15", "mnuADA15I", "星座传说连连看(&9)"),
}};

constexpr std::array<const char*, DifficultyCount> DifficultyCaptions{
    "初级篇(&E)", "中级篇(&N)", "高级篇(&H)", "特级篇(&V)", "特殊篇(&S)"};

constexpr std::array<const char*, PackCount> PackNames{"mnuLIANPACK1", "mnuLIANPACK2", "mnuLIANPACK3"};

} // namespace

const ThemeEntry& ThemeMenuEntry(int theme)
{
    assert(IsTheme(theme));
    return Themes[static_cast<std::size_t>(theme)];
}

QString ThemeCaption(int theme)
{
    return QString::fromUtf8(ThemeMenuEntry(theme).name) + QStringLiteral("(%1 张图片)").arg(PictureCount(theme));
}

QString DifficultyCaption(int difficulty)
{
    assert(difficulty >= 0 && difficulty < DifficultyCount);
    return QString::fromUtf8(DifficultyCaptions[static_cast<std::size_t>(difficulty)]);
}

QString PackCaption(int pack)
{
    return QStringLiteral("第 %1 组连连看游戏(&%1)(%2 款)").arg(pack).arg(ThemesPerPack);
}

const char* PackName(int pack)
{
    assert(pack >= 0 && pack < PackCount);
    return PackNames[static_cast<std::size_t>(pack)];
}

QString RewriteCaption(const QString& caption)
{
    const qsizetype first = caption.indexOf(u'(');
    const qsizetype last = caption.lastIndexOf(u'(');
    if (first < 0 || first == last)
        return caption;
    return caption.mid(first + 1, 2) + u'.' + caption.left(first) + u'\t' + caption.mid(last);
}

} // namespace llk::app
