#include "app/game_start.h"

#include <QCoreApplication>

#include <cassert>

namespace llk::app {
namespace {

// Items of Themes 4-29: only member 0 of each array exists before LoadMenu.
constexpr ThemeEntry Arr(const char* entry, const char* items, const char* name)
{
    return {entry, {items, nullptr, nullptr, nullptr, nullptr}, name};
}

constexpr std::array<ThemeEntry, ThemeCount> Themes{{
    {"mnuPicture1", {"mneasy", "mnnormal", "mnhard", "mnveryhard", "mnnosame"}, QT_TRANSLATE_NOOP("Themes", "宠物连连看(&0)")},
    {"mnuQQlian",
     {"mnuQQEasy", "mnuQQnormal", "mnuQQhard", "mnuQQveryhard", "mnuQQnosame"},
     QT_TRANSLATE_NOOP("Themes", "炫彩棋子连连看(&1)")},
    {"mnuKlian", {"mnuKEasy", "mnuKnormal", "mnuKhard", "mnuKveryhard", "mnuKnosame"}, QT_TRANSLATE_NOOP("Themes", "厨房连连看(&2)")},
    {"mnuVlian",
     {"mnuVEasy", "mnuVnormal", "mnuVhard", "mnuVveryhard", "mnuVnosame"},
     QT_TRANSLATE_NOOP("Themes", "童趣卡通连连看(&3)")},
    Arr("mnuBllk", "mnuBllkI", QT_TRANSLATE_NOOP("Themes", "标志连连看(&4)")),
    Arr("mnuSJLLK", "mnuSJLLKI", QT_TRANSLATE_NOOP("Themes", "水晶连连看(&5)")),
    Arr("mnuWJJLLK", "mnuWJJLLKI", QT_TRANSLATE_NOOP("Themes", "文件夹连连看(&6)")),
    Arr("mnuYXANLLK", "mnuYXANLLKI", QT_TRANSLATE_NOOP("Themes", "圆形按钮连连看(&7)")),
    Arr("mnuYFLLK", "mnuYFLLKI", QT_TRANSLATE_NOOP("Themes", "衣服连连看(&8)")),
    Arr("mnuMJLLK", "mnuMJLLKI", QT_TRANSLATE_NOOP("Themes", "麻将连连看(&9)")),
    Arr("mnuMLLLK", "mnuMLLLKI", QT_TRANSLATE_NOOP("Themes", "魔力连连看(&0)")),
    Arr("mnuLLKZGL", "mnuLLKZGLI", QT_TRANSLATE_NOOP("Themes", "连连看中国龙(&1)")),
    Arr("mnuSZLLK", "mnuSZLLKI", QT_TRANSLATE_NOOP("Themes", "数字连连看(&2)")),
    Arr("mnuXPLLK", "mnuXPLLKI", QT_TRANSLATE_NOOP("Themes", "晶彩文件夹连连看(&3)")),
    Arr("mnuKTRWLLK", "mnuKTRWLLKI", QT_TRANSLATE_NOOP("Themes", "卡通人物连连看(&4)")),
    Arr("mnuADA1", "mnuADA1I", QT_TRANSLATE_NOOP("Themes", "动画明星连连看(&5)")),
    Arr("mnuADA2", "mnuADA2I", QT_TRANSLATE_NOOP("Themes", "电脑系统连连看(&6)")),
    Arr("mnuADA3", "mnuADA3I", QT_TRANSLATE_NOOP("Themes", "卡通剧场连连看(&7)")),
    Arr("mnuADA4", "mnuADA4I", QT_TRANSLATE_NOOP("Themes", "格斗英雄连连看(&8)")),
    Arr("mnuADA5", "mnuADA5I", QT_TRANSLATE_NOOP("Themes", "热血球场连连看(&9)")),
    Arr("mnuADA6", "mnuADA6I", QT_TRANSLATE_NOOP("Themes", "街头格斗连连看(&0)")),
    Arr("mnuADA7", "mnuADA7I", QT_TRANSLATE_NOOP("Themes", "可爱动物连连看(&1)")),
    Arr("mnuADA8", "mnuADA8I", QT_TRANSLATE_NOOP("Themes", "快乐数字连连看(&2)")),
    Arr("mnuADA9", "mnuADA9I", QT_TRANSLATE_NOOP("Themes", "武侠群英连连看(&3)")),
    Arr("mnuADA10", "mnuADA10I", QT_TRANSLATE_NOOP("Themes", "棋坛少年连连看(&4)")),
    Arr("mnuADA11", "mnuADA11I", QT_TRANSLATE_NOOP("Themes", "口袋精灵连连看(&5)")),
    Arr("mnuADA12", "mnuADA12I", QT_TRANSLATE_NOOP("Themes", "游戏明星连连看(&6)")),
    Arr("mnuADA13", "mnuADA13I", QT_TRANSLATE_NOOP("Themes", "甜点饼干连连看(&7)")),
    Arr("mnuADA14", "mnuADA14I", QT_TRANSLATE_NOOP("Themes", "新鲜水果连连看(&8)")),
    Arr("mnuADA15", "mnuADA15I", QT_TRANSLATE_NOOP("Themes", "星座传说连连看(&9)")),
}};

constexpr std::array<const char*, PackCount> PackNames{"mnuLIANPACK1", "mnuLIANPACK2", "mnuLIANPACK3"};

} // namespace

const ThemeEntry& ThemeMenuEntry(int theme)
{
    assert(IsTheme(theme));
    return Themes[static_cast<std::size_t>(theme)];
}

QString ThemeCaption(int theme)
{
    return QCoreApplication::translate("Themes", ThemeMenuEntry(theme).name) +
           QCoreApplication::translate("Themes", "(%1 张图片)").arg(PictureCount(theme));
}

QString PackCaption(int pack)
{
    return QCoreApplication::translate("Menus", "第 %1 组连连看游戏(&%1)(%2 款)").arg(pack).arg(ThemesPerPack);
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
