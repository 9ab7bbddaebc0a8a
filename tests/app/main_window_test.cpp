// Form1 right after the window load: its controls, menus and captions.
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include "app/game_start.h"
#include "tests/app/form_fixture.h"

namespace llk::test {
namespace {

using FreshWindow = FormTest;

TEST_F(FreshWindow, HasTheDesignedCaptionSizeAndPlace)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("岚川连连看"));
    const QWidget* client = Control("ClientArea");
    EXPECT_EQ(client->size(), QSize(994, 656));
    EXPECT_EQ(client->mapTo(form.get(), QPoint(0, 0)).y(), form->menuBar()->height());
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the window cannot be resized";
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_LE(std::abs(form->geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(form->geometry().center().y() - screen.center().y()), 1);
}

TEST_F(FreshWindow, CarriesItsIconAndReadiesTheSoundsWhenAGameStarts)
{
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(QGuiApplication::windowIcon().cacheKey(), form->windowIcon().cacheKey()) << "the boxes carry it too";
    EXPECT_EQ(feedback.soundsPrepared, 0) << "no sound plays before a game";
    Item("mneasy")->trigger();
    EXPECT_EQ(feedback.soundsPrepared, 1);
}
// Form1 loaded from a folder with one background, not shown yet.
class UnshownWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Background")));
        UseOwnHome(folder.path());
        WritePicture(folder.filePath(QStringLiteral("Background/sky.jpg")), {64, 64}, Qt::darkCyan);
        ASSERT_TRUE(form.Load(folder.path() + QLatin1Char('/')));
    }

    QTemporaryDir folder;
    RecordingFeedback feedback;
    app::Form1 form{&feedback};
};

// The window load fills every themed submenu and rewrites its caption before the window shows;
// the sound output waits until the window is on the screen.
TEST_F(UnshownWindow, HasItsThemesLoadedAndNoSoundOutputYet)
{
    const QMenu* themed = form.findChild<QMenu*>(QStringLiteral("mnuSJLLK"));
    ASSERT_NE(themed, nullptr);
    EXPECT_EQ(themed->title(), QStringLiteral("&5.水晶连连看\t(63 张图片)"));
    EXPECT_EQ(themed->actions().size(), 5);
    EXPECT_EQ(form.findChildren<QMenu*>(QStringLiteral("mnuPicture1")).size(), 1);
    EXPECT_EQ(form.findChild<QMenu*>(QStringLiteral("mnuPicture1"))->title(),
              QStringLiteral("&0.宠物连连看\t(70 张图片)"));
    EXPECT_EQ(feedback.soundsPrepared, 0);
    form.findChildren<QAction*>(QStringLiteral("mnuADA15I")).at(1)->trigger();
    EXPECT_EQ(form.game().board.ThemeIndex, 29);
    EXPECT_EQ(form.game().board.RowCount, 10);
}

TEST_F(FreshWindow, ShowsZeroCountersAndAFullTimeBar)
{
    EXPECT_EQ(Control<QLabel>("Label2")->text(), QStringLiteral("洗牌 0"));
    EXPECT_EQ(Control<QLabel>("Label3")->text(), QStringLiteral("提示 0"));
    EXPECT_EQ(Control<QLabel>("Label4")->text(), QString());
    EXPECT_EQ(Control<QLabel>("Label1")->text(), QStringLiteral("0"));
    EXPECT_EQ(Control<QLabel>("Label5")->text(), QStringLiteral("0"));
    EXPECT_EQ(Control<QLabel>("Text1")->text(), QStringLiteral("15"));
    EXPECT_FALSE(Control<QLabel>("Text1")->isVisible());
    EXPECT_EQ(Control("Shape3")->geometry(), QRect(400, 16, 417, 17));
    EXPECT_EQ(Control("Shape4")->geometry(), QRect(400, 16, 417, 17));
    EXPECT_FALSE(Control("Label6")->isVisible());
    EXPECT_FALSE(Control("Shape1")->isVisible());
    EXPECT_FALSE(Control("Shape2")->isVisible());
    EXPECT_FALSE(Control<QTimer>("Timer1")->isActive());
    EXPECT_FALSE(Control<QTimer>("Timer2")->isActive());
    EXPECT_TRUE(feedback.soundsLoaded);
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(FreshWindow, PlacesTheHeaderControlsAtTheirDesignPositions)
{
    EXPECT_EQ(Control("Shape5")->geometry(), QRect(0, 0, 993, 41));
    EXPECT_EQ(Control("Label4")->pos(), QPoint(121, 16));
    EXPECT_EQ(Control("Label3")->pos(), QPoint(257, 16));
    EXPECT_EQ(Control("Label2")->pos(), QPoint(329, 16));
    EXPECT_EQ(Control("Label5")->geometry(), QRect(400, 16, 17, 17));
    EXPECT_EQ(Control("Label1")->pos(), QPoint(833, 16));
    EXPECT_EQ(Control<QLabel>("Label2")->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0x00));
    // The sprites lie above the header, the markers above the sprites, the pause picture on top.
    const QObjectList order = Control("ClientArea")->children();
    EXPECT_LT(order.indexOf(Control("Shape5")), order.indexOf(Sprites()));
    EXPECT_LT(order.indexOf(Sprites()), order.indexOf(Control("Shape1")));
    EXPECT_LT(order.indexOf(Control("Shape2")), order.indexOf(Control("Label6")));
}

TEST_F(FreshWindow, WritesTheStatusLineAndTheMenusInOneChineseFont)
{
    // SimSun is not installed here: its stand-in at SimSun's size, shared with the menus so
    // that the first paint loads a single font engine.
    const QFont status = Control("Label2")->font();
    EXPECT_EQ(QFontInfo(status).family(), QStringLiteral("Noto Sans CJK SC"));
    EXPECT_EQ(status.pointSizeF(), 9.75);
    EXPECT_EQ(form->menuBar()->font(), status);
    for (const char* label : {"Label1", "Label3", "Label4", "Label5"})
        EXPECT_EQ(Control(label)->font(), status) << label;
}

TEST_F(FreshWindow, ClickingTheEmptyBoardAndTheItemsDealsNothing)
{
    ClickCell(5, 5);
    Item("mnts")->trigger();
    Item("mnxp")->trigger();
    Item("mnuBackgrounds", 1)->trigger();
    EXPECT_EQ(game().board.RowCount, 0);
    EXPECT_TRUE(feedback.sounds.empty());
    EXPECT_EQ(Control<QLabel>("Label3")->text(), QStringLiteral("提示 0"));
}

TEST_F(FreshWindow, HasEveryMenuOfTheMenuBar)
{
    QStringList titles;
    for (QAction* action : form->menuBar()->actions())
        titles << action->objectName() + QLatin1Char('=') + action->text();
    EXPECT_EQ(titles, QStringList({QStringLiteral("mngame=游戏(&G)"), QStringLiteral("mnuItem=道具(&I)"),
                                   QStringLiteral("mnset=设定(&S)"), QStringLiteral("mncj=纪录(&C)"),
                                   QStringLiteral("mnbz=帮助(&H)")}));
    EXPECT_EQ(Item("mnts")->text(), QStringLiteral("提示(&H)"));
    EXPECT_EQ(Item("mnts")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(Item("mnxp")->text(), QStringLiteral("重新洗牌(&R)"));
    EXPECT_EQ(Item("mnxp")->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_EQ(Item("mnpause")->text(), QStringLiteral("暂停(&P)"));
    EXPECT_EQ(Item("mnpause")->shortcuts(), QList<QKeySequence>({QKeySequence(Qt::Key_F11), QKeySequence(Qt::Key_Space)}));
    EXPECT_FALSE(Item("mnpause")->isChecked());
    EXPECT_EQ(Item("mnmusic")->text(), QStringLiteral("音乐开关(&M)"));
    EXPECT_TRUE(Item("mnmusic")->isChecked());
    EXPECT_EQ(Item("mnyx")->text(), QStringLiteral("音效开关(&S)"));
    EXPECT_TRUE(Item("mnyx")->isChecked());
    EXPECT_TRUE(Control<QAction>("mnuDummy1")->isSeparator());
    EXPECT_FALSE(Item("mnuBackgrounds", 0)->isVisible());
    EXPECT_EQ(Item("mnph")->text(), QStringLiteral("查看排行榜(&T)"));
    EXPECT_EQ(Item("mnhelp")->text(), QStringLiteral("游戏帮助(&H)"));
    EXPECT_EQ(Item("mnabout")->text(), QStringLiteral("关于作者(&A)"));
}

TEST_F(FreshWindow, RewritesTheCaptionsOfPacksAndThemes)
{
    const QMenu* game = Control<QMenu>("mngame");
    QStringList packs;
    for (QAction* action : game->actions())
        packs << action->text();
    EXPECT_EQ(packs, QStringList({QStringLiteral("&0.第 0 组连连看游戏\t(10 款)"),
                                  QStringLiteral("&1.第 1 组连连看游戏\t(10 款)"),
                                  QStringLiteral("&2.第 2 组连连看游戏\t(10 款)")}));
    EXPECT_EQ(Control<QMenu>("mnuPicture1")->title(), QStringLiteral("&0.宠物连连看\t(70 张图片)"));
    EXPECT_EQ(Control<QMenu>("mnuLLKZGL")->title(), QStringLiteral("&1.连连看中国龙\t(71 张图片)"));
    EXPECT_EQ(Control<QMenu>("mnuADA15")->title(), QStringLiteral("&9.星座传说连连看\t(24 张图片)"));
    // Every Theme sits in its pack, in order, with its access key digit.
    for (int theme = 0; theme < app::ThemeCount; ++theme) {
        const QMenu* pack = Control<QMenu>(app::PackName(theme / app::ThemesPerPack));
        const QAction* entry = pack->actions().at(theme % app::ThemesPerPack);
        EXPECT_EQ(entry->objectName(), QString::fromLatin1(app::ThemeMenuEntry(theme).entryName));
        EXPECT_TRUE(entry->text().startsWith(QStringLiteral("&%1.").arg(theme % 10))) << theme;
        EXPECT_TRUE(entry->text().contains(u'\t')) << theme;
    }
}

TEST_F(FreshWindow, GivesEveryThemeItsFiveDifficultyItems)
{
    const QStringList captions{QStringLiteral("初级篇(&E)"), QStringLiteral("中级篇(&N)"), QStringLiteral("高级篇(&H)"),
                               QStringLiteral("特级篇(&V)"), QStringLiteral("特殊篇(&S)")};
    for (int theme = 0; theme < app::ThemeCount; ++theme) {
        const app::ThemeEntry& entry = app::ThemeMenuEntry(theme);
        const QList<QAction*> items = Control<QMenu>(entry.entryName)->actions();
        ASSERT_EQ(items.size(), 5) << theme;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(items[i]->text(), captions[i]) << theme;
            const char* name = theme < 4 ? entry.items[static_cast<std::size_t>(i)] : entry.items[0];
            EXPECT_EQ(items[i]->objectName(), QString::fromLatin1(name)) << theme;
            EXPECT_EQ(items[i]->property(app::IndexProperty).toInt(), i);
        }
    }
    EXPECT_EQ(form->findChildren<QAction*>(QStringLiteral("mnuBllkI")).size(), 5);
}

TEST_F(FreshWindow, LoadMenuFillsAThemedSubmenuOnce)
{
    QMenu* entry = Control<QMenu>("mnuSJLLK");
    form->LoadMenu(entry);
    EXPECT_EQ(entry->actions().size(), 5);
}

TEST(CaptionRewriting, MovesTheAccessKeyInFrontAndTheCountBehindATab)
{
    EXPECT_EQ(app::RewriteCaption(QStringLiteral("宠物连连看(&0)(70 张图片)")),
              QStringLiteral("&0.宠物连连看\t(70 张图片)"));
    EXPECT_EQ(app::RewriteCaption(QStringLiteral("初级篇(&E)")), QStringLiteral("初级篇(&E)"));
    EXPECT_EQ(app::RewriteCaption(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(app::RewriteCaption(QStringLiteral("a(1)b(2)c(3)")), QStringLiteral("1).a\t(3)"));
    EXPECT_EQ(app::RewriteCaption(QStringLiteral("(")), QStringLiteral("("));
    EXPECT_EQ(app::RewriteCaption(QStringLiteral("x((")), QStringLiteral("(.x\t("));
}

} // namespace
} // namespace llk::test
