// Playing through the real Form1: starting games, clicking, removal, pause, hint, shuffle, level end.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <map>

#include "tests/app/form_fixture.h"

namespace llk::test {
namespace {

class Play : public FormTest {
protected:
    // An Easy game whose board holds two pairs: the 1s, linked through the empty row above them,
    // and the 2s side by side.
    void StartWithTwoPairs()
    {
        Item("mneasy")->trigger();
        PlaceBoard({"..............", //
                    ".1..1.........", ".22..........."});
    }
};

std::map<int, int> TileCounts(const Game& g)
{
    std::map<int, int> counts;
    for (std::size_t i = 1; i < g.board.Cells.size(); ++i)
        if (g.board.Cells[i] != EmptyCell)
            ++counts[g.board.Cells[i]];
    return counts;
}

int VisibleTiles(const Game& g)
{
    return static_cast<int>(std::count_if(g.screen.Sprites.begin() + 1, g.screen.Sprites.end(),
                                          [](const TileSprite& s) { return s.visible; }));
}

struct StartCase {
    const char* entry;
    int difficulty;
    int rows;
    int cols;
};

TEST_F(Play, EveryDifficultyOfEveryThemeGroupDealsItsBoard)
{
    const StartCase cases[] = {
        {"mnuPicture1", 0, 9, 14},  {"mnuPicture1", 1, 10, 16}, {"mnuPicture1", 2, 11, 18}, {"mnuPicture1", 3, 12, 20},
        {"mnuPicture1", 4, 12, 16}, {"mnuVlian", 3, 12, 20},    {"mnuSJLLK", 0, 9, 14},     {"mnuSJLLK", 1, 10, 16},
        {"mnuSJLLK", 2, 11, 18},    {"mnuSJLLK", 3, 11, 18},    {"mnuSJLLK", 4, 11, 16},    {"mnuADA11", 3, 11, 18},
        {"mnuADA11", 4, 11, 16},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " " + std::to_string(c.difficulty));
        Control<QMenu>(c.entry)->actions().at(c.difficulty)->trigger();
        EXPECT_EQ(game().board.RowCount, c.rows);
        EXPECT_EQ(game().board.ColCount, c.cols);
        EXPECT_EQ(VisibleTiles(game()), (c.rows - 2) * (c.cols - 2));
        const bool special = c.difficulty == 4;
        EXPECT_EQ(Control<QLabel>("Label4")->text(),
                  special ? QStringLiteral("特级篇一统天下") : QStringLiteral("第0关 不变化"));
        EXPECT_EQ(Control<QLabel>("Label3")->text(), special ? QStringLiteral("提示 12") : QStringLiteral("提示 3"));
        EXPECT_EQ(Control<QLabel>("Label2")->text(), special ? QStringLiteral("洗牌 6") : QStringLiteral("洗牌 3"));
        EXPECT_EQ(Control<QLabel>("Label1")->text(), QStringLiteral("0"));
        EXPECT_EQ(Control<QLabel>("Label5")->text(), QStringLiteral("0"));
        EXPECT_EQ(Control("Shape3")->width(), qRound(FullTimeBar / 15.0));
        EXPECT_TRUE(Control<QTimer>("Timer2")->isActive());
        EXPECT_FALSE(Control<QTimer>("Timer1")->isActive());
    }
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(Play, TheThemeSetsTheCellPitch)
{
    Control<QMenu>("mnuADA3")->actions().at(0)->trigger(); // Theme 17: 49 x 59
    EXPECT_EQ(game().screen.CellWidth, 735);
    EXPECT_EQ(game().screen.CellHeight, 885);
    const int cell = CellIndex(game(), 2, 2);
    EXPECT_EQ(Sprites()->SpriteAt(CellCentre(2, 2)), cell);
}

TEST_F(Play, ALinkedPairShowsItsPathAndGoesOnTheRemovalTick)
{
    StartWithTwoPairs();
    ClickCell(2, 2, Qt::RightButton);
    EXPECT_FALSE(Control("Shape1")->isVisible()) << "only the left button selects";
    EXPECT_TRUE(feedback.sounds.empty());

    ClickCell(2, 2);
    EXPECT_TRUE(Control("Shape1")->isVisible());
    EXPECT_EQ(Control("Shape1")->geometry(), QRect(39, 39, 40, 40));
    ClickCell(2, 5);
    EXPECT_TRUE(Control<QTimer>("Timer1")->isActive());
    for (const int col : {3, 4}) {
        const TileSprite& piece = game().screen.Sprites[static_cast<std::size_t>(CellIndex(game(), 2, col))];
        EXPECT_TRUE(piece.visible);
        EXPECT_EQ(piece.picture, SpritePicture::LinkPiece);
        // Drawn as the board's topmost sprite at that point, so a press there hits it.
        EXPECT_EQ(Sprites()->SpriteAt(CellCentre(2, col)), CellIndex(game(), 2, col));
    }

    ASSERT_TRUE(WaitFor([&] { return !Control<QTimer>("Timer1")->isActive(); }));
    EXPECT_EQ(game().board.Cells[static_cast<std::size_t>(CellIndex(game(), 2, 2))], EmptyCell);
    EXPECT_EQ(game().board.Cells[static_cast<std::size_t>(CellIndex(game(), 2, 5))], EmptyCell);
    EXPECT_EQ(VisibleTiles(game()), 2);
    EXPECT_EQ(Control<QLabel>("Label1")->text(), QStringLiteral("10"));
    EXPECT_EQ(feedback.sounds, std::vector<Sound>({Sound::Click, Sound::Click, Sound::Remove}));
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_EQ(Sprites()->SpriteAt(CellCentre(2, 3)), 0);
}

TEST_F(Play, PauseHidesTheTilesAndStopsTheCountdownUntilResumed)
{
    Item("mneasy")->trigger();
    const int tiles = VisibleTiles(game());
    Item("mnpause")->trigger();
    EXPECT_TRUE(Item("mnpause")->isChecked());
    EXPECT_TRUE(Control("Label6")->isVisible());
    EXPECT_EQ(Control("Label6")->geometry(), QRect(433, 264, 128, 128));
    EXPECT_EQ(VisibleTiles(game()), 0);
    EXPECT_FALSE(Control<QTimer>("Timer2")->isActive());
    ClickCell(2, 2);
    EXPECT_FALSE(Control("Shape1")->isVisible());

    // Space toggles pause as F11 does.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_Space);
    EXPECT_FALSE(Item("mnpause")->isChecked());
    EXPECT_FALSE(Control("Label6")->isVisible());
    EXPECT_EQ(VisibleTiles(game()), tiles);
    EXPECT_TRUE(Control<QTimer>("Timer2")->isActive());
    QTest::keyClick(form.get(), Qt::Key_F11);
    EXPECT_TRUE(Item("mnpause")->isChecked());
}

TEST_F(Play, HintOutlinesAPairAndCountsDown)
{
    Item("mneasy")->trigger();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F5);
    EXPECT_EQ(game().counters.HintsLeft, 2);
    EXPECT_EQ(Control<QLabel>("Label3")->text(), QStringLiteral("提示 2"));
    EXPECT_TRUE(Control("Shape1")->isVisible());
    EXPECT_TRUE(Control("Shape2")->isVisible());
    EXPECT_NE(Control("Shape1")->geometry(), Control("Shape2")->geometry());
    EXPECT_EQ(feedback.sounds, std::vector<Sound>{Sound::Hint});
    Item("mnts")->trigger();
    Item("mnts")->trigger();
    Item("mnts")->trigger();
    EXPECT_EQ(Control<QLabel>("Label3")->text(), QStringLiteral("提示 0"));
}

TEST_F(Play, ShuffleKeepsTheTilesAndCountsDown)
{
    Item("mneasy")->trigger();
    const auto before = TileCounts(game());
    Item("mnxp")->trigger();
    EXPECT_EQ(TileCounts(game()), before);
    EXPECT_EQ(Control<QLabel>("Label2")->text(), QStringLiteral("洗牌 2"));
}

TEST_F(Play, TheSoundSwitchSilencesTheEffects)
{
    Item("mneasy")->trigger();
    Item("mnyx")->trigger();
    EXPECT_FALSE(Item("mnyx")->isChecked());
    Item("mnts")->trigger();
    Item("mnmusic")->trigger();
    EXPECT_FALSE(Item("mnmusic")->isChecked());
    EXPECT_TRUE(feedback.sounds.empty());
    Item("mnyx")->trigger();
    EXPECT_TRUE(Item("mnyx")->isChecked());
}

// The last pair of level 1 through the real timers: the bonus box, then level 2 dealt.
class LastPair : public FormTest {
protected:
    void StartWithOnePairLeft()
    {
        Item("mneasy")->trigger();
        PlaceBoard({"..............", //
                    ".1..1........."});
        ClickCell(2, 2);
        ClickCell(2, 5);
    }
};

TEST_F(LastPair, ClearingTheLevelShowsTheBonusAndDealsTheNextOne)
{
    StartWithOnePairLeft();
    ASSERT_TRUE(WaitFor([&] { return game().counters.Level == 2 && !Control<QTimer>("Timer1")->isActive(); }));
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(feedback.messages[0].title, QStringLiteral("岚川连连看"));
    EXPECT_EQ(feedback.messages[0].icon, Icon::Information);
    EXPECT_FALSE(feedback.messages[0].text.contains(u'\r'));
    EXPECT_EQ(Control<QLabel>("Label4")->text(), QStringLiteral("第1关 向下"));
    EXPECT_EQ(VisibleTiles(game()), 7 * 12);
    EXPECT_EQ(feedback.sounds.back(), Sound::Remove);
    EXPECT_TRUE(Control<QTimer>("Timer2")->isActive());
}

TEST_F(LastPair, NoTickRunsWhileTheBonusBoxIsOpen)
{
    double barWhenOpened = 0;
    double barWhenClosed = 0;
    bool removalTimerOn = false;
    feedback.onMessage = [&] {
        feedback.onMessage = nullptr;
        removalTimerOn = Control<QTimer>("Timer1")->isActive();
        barWhenOpened = game().counters.TimeBar;
        QMessageBox box(QMessageBox::Information, QStringLiteral("岚川连连看"), feedback.messages.back().text,
                        QMessageBox::Ok, form.get());
        QTimer::singleShot(2300, &box, [&box] { box.button(QMessageBox::Ok)->click(); });
        box.exec();
        barWhenClosed = game().counters.TimeBar;
    };
    StartWithOnePairLeft();
    ASSERT_TRUE(WaitFor([&] { return game().counters.Level == 2 && !Control<QTimer>("Timer1")->isActive(); }, 20000));
    EXPECT_TRUE(removalTimerOn) << "the removal timer ticks on while the box is open";
    EXPECT_EQ(feedback.messages.size(), 1u) << "the removal step ran again inside the box";
    EXPECT_EQ(barWhenClosed, barWhenOpened) << "the countdown ran while the box was open";
    EXPECT_EQ(game().counters.Level, 2);
    EXPECT_EQ(Control<QLabel>("Label1")->text().toInt(), game().counters.Score);
}

TEST_F(Play, AQuickSecondPressOnAnotherTileCountsAsAClick)
{
    StartWithTwoPairs();
    ClickCell(2, 2);
    // Qt reports a second press soon after the first as a double-click of the layer.
    const QPointF at = CellCentre(2, 5);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, Sprites()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(Sprites(), &doubleClick);
    EXPECT_TRUE(Control<QTimer>("Timer1")->isActive()) << "the pair was not linked";
}

TEST_F(Play, ThePointingHandShowsOverTilesOnly)
{
    Item("mneasy")->trigger();
    QTest::mouseMove(Sprites(), CellCentre(2, 2));
    EXPECT_EQ(Sprites()->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(Sprites(), QPoint(900, 600));
    EXPECT_EQ(Sprites()->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
} // namespace llk::test
