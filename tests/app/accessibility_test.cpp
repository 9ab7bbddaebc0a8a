// What a screen reader reads of the real Form1, through QAccessible: the board's table, its names,
// focus and selection events, the header and the time bar.
#include <QAccessible>
#include <QFile>
#include <QTimer>

#include <map>

// Qt's own accessibility tests switch the platform's accessibility on the same way.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "app/tile_names.h"
#include "board/theme.h"
#include "tests/app/form_fixture.h"

namespace llk::test {
namespace {

struct Seen {
    QAccessible::Event type;
    QAccessibleInterface* iface;
    QAccessible::State changed;
};
std::vector<Seen> g_events;

void Record(QAccessibleEvent* event)
{
    QAccessible::State changed;
    if (event->type() == QAccessible::StateChanged)
        changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    g_events.push_back({event->type(), event->accessibleInterface(), changed});
}

// The rows of the art's own list, (theme, kind) -> name_zh, read here without the game's code.
std::map<std::pair<int, int>, QString> SourceNames()
{
    QFile file(QStringLiteral(LLK_SOURCES_TSV));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::map<std::pair<int, int>, QString> names;
    const QList<QByteArray> lines = file.readAll().split('\n');
    const QList<QByteArray> header = lines.value(0).split('\t');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split('\t');
        if (fields.size() < header.size())
            continue;
        names[{fields[header.indexOf("theme")].toInt(), fields[header.indexOf("kind")].toInt()}] =
            QString::fromUtf8(fields[header.indexOf("name_zh")]);
    }
    return names;
}

TEST(TileNames, EveryPictureOfTheListIsNamedByThemeAndKind)
{
    const auto names = SourceNames();
    std::map<int, int> perTheme;
    for (const auto& [key, name] : names) {
        ++perTheme[key.first];
        EXPECT_EQ(app::TileName(key.first, key.second), name) << key.first << " " << key.second;
    }
    EXPECT_EQ(names.size(), 1106u);
    for (int theme = 0; theme < ThemeCount; ++theme)
        EXPECT_EQ(perTheme[theme], PictureCount(theme)) << theme;
}

TEST(TileNames, ABrokenListSaysWhichLine)
{
    EXPECT_EQ(app::ParseTileNames("theme\tkind\tname_zh\n0\t1\t熊猫\n").names.value(1), QStringLiteral("熊猫"));
    EXPECT_TRUE(app::ParseTileNames("theme\tkind\tname_zh\n0\t1\t熊猫\n").error.isEmpty());
    const app::TileNameTable shortLine = app::ParseTileNames("theme\tkind\tname_zh\n0\t1\t熊猫\n0\tx\t\n");
    EXPECT_TRUE(shortLine.names.isEmpty());
    EXPECT_TRUE(shortLine.error.startsWith(QStringLiteral("line 3:"))) << shortLine.error.toStdString();
    EXPECT_TRUE(app::ParseTileNames("picture\tname\n").error.startsWith(QStringLiteral("line 1:")));
}

class Reader : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        Item("mneasy")->trigger();
        PlaceBoard({"..............", //
                    ".1..1.........", ".22..........."});
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        Sprites()->setFocus();
        board = QAccessible::queryAccessibleInterface(Sprites());
        ASSERT_NE(board, nullptr);
        g_events.clear();
        // As a screen reader that has started: without one, Qt drops every event unseen.
        QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        ASSERT_NE(platform, nullptr);
        platform->setActive(true);
        QAccessible::installUpdateHandler(Record);
    }
    void TearDown() override
    {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        FormTest::TearDown();
    }
    QAccessibleInterface* CellAt(int row, int col) { return board->tableInterface()->cellAt(row - 2, col - 2); }
    int EventsOn(QAccessible::Event type, QAccessibleInterface* iface)
    {
        return static_cast<int>(std::count_if(g_events.begin(), g_events.end(),
                                              [&](const Seen& e) { return e.type == type && e.iface == iface; }));
    }

    QAccessibleInterface* board = nullptr;
};

TEST_F(Reader, TheBoardIsATableOfNamedCells)
{
    EXPECT_EQ(board->role(), QAccessible::Table);
    ASSERT_NE(board->tableInterface(), nullptr);
    EXPECT_EQ(board->tableInterface()->rowCount(), 7);
    EXPECT_EQ(board->tableInterface()->columnCount(), 12);
    EXPECT_EQ(board->childCount(), 84);
    const auto names = SourceNames();
    const int theme = game().board.ThemeIndex;
    QAccessibleInterface* first = CellAt(2, 2);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->role(), QAccessible::Cell);
    EXPECT_EQ(first->text(QAccessible::Name), names.at({theme, 1}));
    EXPECT_EQ(CellAt(3, 3)->text(QAccessible::Name), names.at({theme, 2}));
    EXPECT_EQ(CellAt(2, 3)->text(QAccessible::Name), QStringLiteral("空"));
    EXPECT_EQ(CellAt(3, 3)->tableCellInterface()->rowIndex(), 1);
    EXPECT_EQ(CellAt(3, 3)->tableCellInterface()->columnIndex(), 1);
    EXPECT_EQ(board->indexOfChild(CellAt(3, 3)), 13);
    EXPECT_EQ(CellAt(3, 3)->parent(), board);
    EXPECT_EQ(first, board->child(0)) << "one interface per Cell";
}

TEST_F(Reader, TheFrameIsTheFocusAndTheSelectionTheSelectedState)
{
    QTest::keyClick(Sprites(), Qt::Key_Right);
    QAccessibleInterface* first = CellAt(2, 2);
    EXPECT_EQ(board->focusChild(), first);
    EXPECT_TRUE(first->state().focused);
    EXPECT_EQ(EventsOn(QAccessible::Focus, first), 1);
    QTest::keyClick(Sprites(), Qt::Key_Return);
    EXPECT_TRUE(first->state().selected);
    EXPECT_EQ(board->tableInterface()->selectedCellCount(), 1);
    EXPECT_EQ(EventsOn(QAccessible::StateChanged, first), 1);
    QTest::keyClick(Sprites(), Qt::Key_Right);
    QAccessibleInterface* second = CellAt(2, 5);
    EXPECT_EQ(EventsOn(QAccessible::Focus, second), 1);
    EXPECT_FALSE(first->state().focused);
    QTest::keyClick(Sprites(), Qt::Key_Return);
    EXPECT_FALSE(first->state().selected) << "a linked pair leaves nothing selected";
    EXPECT_EQ(EventsOn(QAccessible::StateChanged, first), 2);
    ASSERT_TRUE(WaitFor([this] { return !Control<QTimer>("Timer1")->isActive(); }));
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("空"));
    EXPECT_EQ(second->text(QAccessible::Name), QStringLiteral("空"));
    EXPECT_GE(EventsOn(QAccessible::NameChanged, first), 1) << "a removed pair is told";
    EXPECT_GE(EventsOn(QAccessible::NameChanged, second), 1);
    EXPECT_EQ(EventsOn(QAccessible::NameChanged, CellAt(3, 2)), 0);
}

TEST_F(Reader, AShuffleRenamesTheBoard)
{
    PlaceBoard({"..............", //
                ".12...........", ".21...........", ".34...........", ".43..........."});
    QTest::keyClick(Sprites(), Qt::Key_Right); // a handler runs: the new board is taken in
    g_events.clear();
    Item("mnxp")->trigger();
    const bool renamed = std::any_of(g_events.begin(), g_events.end(), [](const Seen& e) {
        return e.type == QAccessible::NameChanged || e.type == QAccessible::TableModelChanged;
    });
    EXPECT_TRUE(renamed);
}

TEST_F(Reader, TheHeaderReadsWithMeaningAndHidesItsHiddenControls)
{
    QAccessibleInterface* area = QAccessible::queryAccessibleInterface(Control("ClientArea"));
    ASSERT_NE(area, nullptr);
    QStringList names;
    QAccessibleInterface* bar = nullptr;
    for (int i = 0; i < area->childCount(); ++i) {
        QAccessibleInterface* child = area->child(i);
        ASSERT_NE(child, nullptr);
        names << child->text(QAccessible::Name);
        const QString object = child->object()->objectName();
        EXPECT_FALSE(QStringList({"Text1", "Shape1", "Shape2", "Shape4", "Shape5", "Label5"}).contains(object))
            << object.toStdString();
        if (object == QLatin1String("Shape3"))
            bar = child;
    }
    EXPECT_TRUE(names.contains(QStringLiteral("提示 3"))) << names.join(u'|').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("洗牌 3")));
    EXPECT_TRUE(names.contains(QStringLiteral("第0关 不变化")));
    EXPECT_TRUE(names.contains(QStringLiteral("得分 0")));
    EXPECT_FALSE(names.contains(QStringLiteral("15")));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    ASSERT_NE(bar->valueInterface(), nullptr);
    game().counters.TimeBar = 50 + 20 * 9;
    EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), 10) << "ten countdown ticks left";
    Item("mnpause")->trigger(); // any handler tells the new value
    EXPECT_EQ(EventsOn(QAccessible::ValueChanged, bar), 1);
    Item("mnpause")->trigger();
}

} // namespace
} // namespace llk::test
