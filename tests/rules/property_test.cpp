// Property test: seeded random games of random commands across every Difficulty and a spread of
// Themes; after every command the Board's invariants hold. A failure names its seed and step.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "linking/link_search.h"
#include "rules/game_state.h"
#include "tests/rules/rules_support.h"

namespace llk {
namespace {

// Fewer under the sanitizers, which run the same code some twenty times slower.
#ifdef __SANITIZE_ADDRESS__
constexpr int DefaultGames = 400;
#else
constexpr int DefaultGames = 2000;
#endif
constexpr int CommandsPerGame = 150;

int GameCount()
{
    // LLK_PROPERTY_GAMES raises the count for a long soak run.
    if (const char* games = std::getenv("LLK_PROPERTY_GAMES"))
        return std::max(1, std::atoi(games));
    return DefaultGames;
}

std::string BorderProblem(const Game& g)
{
    for (int row = 1; row <= g.board.RowCount; ++row)
        for (int col = 1; col <= g.board.ColCount; ++col) {
            const int cell = CellIndex(g, row, col);
            if (IsBorderCell(g, row, col) && g.board.Cells[cell] != EmptyCell)
                return "border Cell " + std::to_string(cell) + " holds a tile";
        }
    return {};
}

std::string OddKindProblem(const Game& g)
{
    for (const auto& [kind, count] : test::KindCounts(g))
        if (count % 2 != 0)
            return "kind " + std::to_string(kind) + " has " + std::to_string(count) + " tiles";
    return {};
}

// Once a tick has run, a sprite shows exactly on the occupied Cells, border included, and on
// none of the inner ones during a pause.
std::string VisibilityProblem(const Game& g)
{
    for (int row = 1; row <= g.board.RowCount; ++row)
        for (int col = 1; col <= g.board.ColCount; ++col) {
            const int cell = CellIndex(g, row, col);
            const bool expected = g.board.Cells[cell] != EmptyCell && !(g.switches.Paused && !IsBorderCell(g, row, col));
            if (g.screen.Sprites[cell].visible != expected)
                return "sprite " + std::to_string(cell) + (expected ? " hidden on a tile" : " shown without a tile");
        }
    return {};
}

class RandomGame {
public:
    explicit RandomGame(unsigned seed) : m_random(seed)
    {
        g.clock = [seed, n = 0]() mutable { return seed + 0.001 * n++; };
        Start();
    }

    // Runs one random command and returns what it broke, or nothing.
    std::string Step()
    {
        const int choice = Pick(0, 99);
        const std::map<int, int> kindsBefore = test::KindCounts(g);
        const int scoreBefore = g.counters.Score;
        const int levelBefore = g.counters.Level;
        const bool wasOver = GameOver(g);
        m_last.clear();
        if (choice < 35) {
            ClickFoundPair();
        } else if (choice < 55) {
            Click(RandomCell());
        } else if (choice < 75) {
            m_last = "tick removal";
            const bool due = g.switches.Timer1On;
            const int removed = due ? g.board.Cells[g.selection.formFirstClick] : 0;
            if (due)
                RemovalStep(g);
            if (auto problem = AfterRemoval(due, removed, kindsBefore, levelBefore, wasOver); !problem.empty())
                return problem;
        } else if (choice < 85) {
            m_last = "tick countdown";
            for (int n = Pick(1, 40); n > 0 && g.switches.Timer2On; --n)
                Countdown(g);
        } else if (choice < 90) {
            m_last = "hint";
            HintCommand(g);
        } else if (choice < 94) {
            m_last = "shuffle";
            ShuffleCommand(g);
            if (!GameOver(g) && test::KindCounts(g) != kindsBefore)
                return "the shuffle changed the kinds on the Board";
        } else if (choice < 97) {
            m_last = "pause";
            TogglePause(g);
        } else if (choice < 99) {
            m_last = "sound";
            SetSoundEffects(g, !g.switches.SoundEffects);
        } else {
            Start();
            return Invariants(true);
        }
        if (g.counters.Score < scoreBefore)
            return "the score fell from " + std::to_string(scoreBefore) + " to " + std::to_string(g.counters.Score);
        return Invariants(false);
    }

    const std::string& Last() const { return m_last; }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    int RandomCell() { return Pick(1, CellCount(g)); }

    void Start()
    {
        const int theme = Pick(0, 29);
        const int difficulty = Pick(0, 4);
        m_last = "start " + std::to_string(theme) + " " + std::to_string(difficulty);
        StartGame(g, theme, difficulty);
        if (difficulty < 4)
            g.counters.Level = Pick(1, 11); // every level's rule gets its share of removals
    }

    void Click(int cell)
    {
        m_last = "click " + std::to_string(cell);
        ClickTile(g, cell);
    }

    void ClickFoundPair()
    {
        ResetPairSearch(g);
        const PairSearchOutcome found = FindPair(g, false);
        if (found.result != SearchResult::PairFound) {
            m_last = "no pair to click";
            return;
        }
        Click(found.pair.first);
        Click(found.pair.second);
        m_last = "click pair " + std::to_string(found.pair.first) + " " + std::to_string(found.pair.second);
    }

    std::string AfterRemoval(bool due, int removedKind, const std::map<int, int>& before, int levelBefore, bool wasOver)
    {
        if (!due)
            return {};
        if (auto problem = VisibilityProblem(g); !problem.empty())
            return problem;
        if (g.search.FoundFirst != 0) {
            if (g.board.Cells[g.search.FoundFirst] != g.board.Cells[g.search.FoundSecond] ||
                !LinkTest(g, g.search.FoundFirst, g.search.FoundSecond, false))
                return "the search reported a pair that does not link";
        }
        const bool newBoard = g.counters.Level != levelBefore || GameOver(g) != wasOver;
        if (newBoard)
            return {};
        // Shifts and automatic shuffles move tiles but keep every kind's count, less the pair.
        std::map<int, int> expected = before;
        if (removedKind != EmptyCell && (expected[removedKind] -= 2) == 0)
            expected.erase(removedKind);
        if (test::KindCounts(g) != expected)
            return "the removal tick changed the kinds beyond the removed pair";
        return {};
    }

    std::string Invariants(bool afterStart)
    {
        if (auto problem = BorderProblem(g); !problem.empty())
            return problem;
        if (auto problem = OddKindProblem(g); !problem.empty())
            return problem;
        if (g.switches.Paused && (g.screen.Shape1.visible || g.screen.Shape2.visible))
            return "a marker shows during the pause";
        if (afterStart)
            return VisibilityProblem(g);
        return {};
    }

public:
    Game g;

private:
    std::mt19937 m_random;
    std::string m_last;
};

TEST(Property, RandomGamesKeepTheBoardsInvariants)
{
    const int games = GameCount();
    for (int seed = 1; seed <= games; ++seed) {
        RandomGame game(static_cast<unsigned>(seed));
        for (int step = 1; step <= CommandsPerGame; ++step) {
            const std::string problem = game.Step();
            if (!problem.empty()) {
                ADD_FAILURE() << "seed " << seed << ", step " << step << " (" << game.Last() << "): " << problem;
                return;
            }
        }
    }
}

} // namespace
} // namespace llk
