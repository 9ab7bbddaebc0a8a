#include "app/menu_bar.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "dialogs/difficulty_names.h"

namespace llk::app {
namespace {

QMenu* AddMenu(QWidget* parent, const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    if (auto* bar = qobject_cast<QMenuBar*>(parent))
        bar->addMenu(menu);
    else
        static_cast<QMenu*>(parent)->addMenu(menu);
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& caption, bool checked = false)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (checked) {
        action->setCheckable(true);
        action->setChecked(true);
    }
    return action;
}

} // namespace

QAction* AddDifficultyItem(QMenu* entry, const QString& name, int theme, int index)
{
    QAction* action = entry->addAction(dialogs::DifficultyCaption(index));
    action->setObjectName(name);
    action->setProperty(ThemeProperty, theme);
    action->setProperty(IndexProperty, index);
    return action;
}

MenuBarItems BuildMenuBar(QMenuBar* bar)
{
    MenuBarItems items;
    items.game = AddMenu(bar, "mngame", QCoreApplication::translate("Menus", "游戏(&G)"));
    for (int pack = 0; pack < PackCount; ++pack)
        items.packs[static_cast<std::size_t>(pack)] = AddMenu(items.game, PackName(pack), PackCaption(pack));

    QMenu* itemMenu = AddMenu(bar, "mnuItem", QCoreApplication::translate("Menus", "道具(&I)"));
    items.hint = AddItem(itemMenu, "mnts", QCoreApplication::translate("Menus", "提示(&H)"));
    items.hint->setShortcut(Qt::Key_F5);
    items.shuffle = AddItem(itemMenu, "mnxp", QCoreApplication::translate("Menus", "重新洗牌(&R)"));
    items.shuffle->setShortcut(Qt::Key_F6);
    items.pause = AddItem(itemMenu, "mnpause", QCoreApplication::translate("Menus", "暂停(&P)"));
    items.pause->setCheckable(true);
    // Space pauses too, as the help text promises; the menu shows F11 only.
    items.pause->setShortcuts({QKeySequence(Qt::Key_F11), QKeySequence(Qt::Key_Space)});

    items.settings = AddMenu(bar, "mnset", QCoreApplication::translate("Menus", "设定(&S)"));
    items.music = AddItem(items.settings, "mnmusic", QCoreApplication::translate("Menus", "音乐开关(&M)"), true);
    items.soundEffects = AddItem(items.settings, "mnyx", QCoreApplication::translate("Menus", "音效开关(&S)"), true);
    // Written in both languages, so a player who reads neither the other finds the way back.
    items.language = AddMenu(items.settings, "mnuLanguage", QStringLiteral("语言 / Language(&L)"));
    auto* languages = new QActionGroup(items.language);
    const std::array<const char*, 3> languageNames{"mnuLanguageSystem", "mnuLanguageChinese", "mnuLanguageEnglish"};
    const std::array<QString, 3> languageCaptions{QStringLiteral("跟随系统 / Follow the system"),
                                                  QStringLiteral("中文"), QStringLiteral("English")};
    for (std::size_t i = 0; i < languageNames.size(); ++i) {
        QAction* item = AddItem(items.language, languageNames[i], languageCaptions[i]);
        item->setCheckable(true);
        item->setProperty(IndexProperty, static_cast<int>(i));
        languages->addAction(item);
        items.languages[i] = item;
    }
    items.settings->addSeparator()->setObjectName(QStringLiteral("mnuDummy1"));
    items.backgroundTemplate = AddItem(items.settings, "mnuBackgrounds", QString());
    items.backgroundTemplate->setProperty(IndexProperty, 0);
    items.backgroundTemplate->setCheckable(true);
    items.backgroundTemplate->setVisible(false);

    QMenu* records = AddMenu(bar, "mncj", QCoreApplication::translate("Menus", "纪录(&C)"));
    items.records = AddItem(records, "mnph", QCoreApplication::translate("Menus", "查看排行榜(&T)"));

    QMenu* help = AddMenu(bar, "mnbz", QCoreApplication::translate("Menus", "帮助(&H)"));
    items.help = AddItem(help, "mnhelp", QCoreApplication::translate("Menus", "游戏帮助(&H)"));
    items.about = AddItem(help, "mnabout", QCoreApplication::translate("Menus", "关于作者(&A)"));
    return items;
}

void BuildThemeMenus(MenuBarItems& items)
{
    for (int theme = 0; theme < ThemeCount; ++theme) {
        const ThemeEntry& entry = ThemeMenuEntry(theme);
        QMenu* themeMenu =
            AddMenu(items.packs[static_cast<std::size_t>(theme / ThemesPerPack)], entry.entryName, ThemeCaption(theme));
        items.themes[static_cast<std::size_t>(theme)] = themeMenu;
        const int designItems = entry.items[1] ? DifficultyCount : 1;
        for (int i = 0; i < designItems; ++i)
            AddDifficultyItem(themeMenu, QString::fromLatin1(entry.items[static_cast<std::size_t>(i)]), theme, i);
    }
}

} // namespace llk::app
