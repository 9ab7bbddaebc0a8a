// llk-lab bot: whole games played by asking the pair search for a pair and linking it, for
// benchmarks and for checking that games end.
#include <chrono>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <string>

#include "board/theme.h"
#include "linking/selection.h"
#include "rules/commands.h"
#include "rules/game_state.h"
#include "rules/pair_search.h"
#include "tools/llk-lab/commands.h"
#include "tools/llk-lab/seeded_clock.h"

namespace llk::lab {
namespace {

constexpr int MaxGames = 1'000'000;
constexpr double MaxPaceSeconds = 1'000'000;
constexpr std::int64_t MicrosPerSecond = 1'000'000;

struct BotOptions {
    int theme = -1;
    int difficulty = -1;
    std::optional<int> seed;
    int games = 1;
    std::int64_t paceMicros = 2 * MicrosPerSecond;
};

struct GameResult {
    GamePhase outcome = GamePhase::NoGame;
    int level = 0;
    int score = 0;
    int pairs = 0;
    int shuffles = 0;
};

// A decimal number of seconds, at least 0: digits with an optional fraction, nothing else.
std::optional<std::int64_t> ParsePace(std::string_view text)
{
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
    const auto digits = [](std::string_view part) {
        for (const char c : part)
            if (c < '0' || c > '9')
                return false;
        return true;
    };
    if ((whole.empty() && fraction.empty()) || !digits(whole) || !digits(fraction) || whole.size() > 7)
        return std::nullopt;
    double seconds = 0;
    for (const char c : whole)
        seconds = seconds * 10 + (c - '0');
    double scale = 0.1;
    for (const char c : fraction) {
        seconds += (c - '0') * scale;
        scale /= 10;
    }
    if (seconds > MaxPaceSeconds)
        return std::nullopt;
    return static_cast<std::int64_t>(std::llround(seconds * MicrosPerSecond));
}

std::optional<std::string> ParseOptions(Args args, BotOptions& options)
{
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string_view name = args[i];
        if (i + 1 >= args.size())
            return "bot: " + Quote(name) + " needs a value";
        const std::string_view value = args[i + 1];
        const std::optional<int> number = ParseInt(value);
        if (name == "--theme") {
            if (!number || *number < 0 || *number >= ThemeCount)
                return "bot: --theme " + Quote(value) + " is not a theme (0 to " + std::to_string(ThemeCount - 1) + ")";
            options.theme = *number;
        } else if (name == "--difficulty") {
            if (!number || *number < 0 || *number > 4)
                return "bot: --difficulty " + Quote(value) + " is not a difficulty (0 to 4)";
            options.difficulty = *number;
        } else if (name == "--seed") {
            if (!number || *number < 0)
                return "bot: --seed " + Quote(value) + " is not a whole number of at least 0";
            options.seed = *number;
        } else if (name == "--games") {
            if (!number || *number < 1 || *number > MaxGames)
                return "bot: --games " + Quote(value) + " is not a game count (1 to " + std::to_string(MaxGames) + ")";
            options.games = *number;
        } else if (name == "--pace") {
            const std::optional<std::int64_t> pace = ParsePace(value);
            if (!pace)
                return "bot: --pace " + Quote(value) + " is not a number of seconds (0 to 1000000)";
            options.paceMicros = *pace;
        } else {
            return "bot: unknown option " + Quote(name);
        }
    }
    if (options.theme < 0 || options.difficulty < 0 || !options.seed)
        return std::string("bot: expected --theme T --difficulty D --seed S [--games N] [--pace SECONDS]");
    return std::nullopt;
}

// One countdown tick as the window would deliver it: only while the timer runs.
void TickCountdown(Game& g)
{
    if (g.switches.Timer2On)
        Countdown(g);
}

GameResult PlayGame(const BotOptions& options, long long seed)
{
    Game g;
    g.clock = SeededClock(seed);
    StartGame(g, options.theme, options.difficulty);
    GameResult result;
    std::int64_t spentMicros = 0;
    std::int64_t secondsTicked = 0;
    while (!GameOver(g)) {
        // The removal step's own check has usually just found a pair on this Board.
        PairSearchOutcome found{SearchResult::PairFound, {g.search.FoundFirst, g.search.FoundSecond}};
        if (g.search.FoundFirst == 0) {
            ResetPairSearch(g);
            found = FindPair(g, false);
        }
        if (found.result != SearchResult::PairFound) {
            // A deal without a removable pair: without hints or the shuffle command there is
            // nothing to do but wait for the time-out.
            if (!g.switches.Timer2On)
                break;
            TickCountdown(g);
            continue;
        }
        spentMicros += options.paceMicros;
        while (!GameOver(g) && spentMicros >= (secondsTicked + 1) * MicrosPerSecond) {
            ++secondsTicked;
            TickCountdown(g);
        }
        if (GameOver(g))
            break;
        ClickTile(g, found.pair.first);
        ClickTile(g, found.pair.second);
        if (!g.switches.Timer1On)
            break; // the search promised a link; an engine fault, not a way to loop forever
        RemovalStep(g);
        ++result.pairs;
    }
    result.outcome = g.phase;
    result.level = g.counters.Level;
    result.score = g.counters.Score;
    result.shuffles = g.counters.AutoShuffles;
    return result;
}

std::string_view ResultWord(GamePhase outcome)
{
    switch (outcome) {
    case GamePhase::Won: return "won";
    case GamePhase::Lost: return "dead";
    case GamePhase::TimeUp: return "time";
    case GamePhase::NoGame:
    case GamePhase::Running: break;
    }
    return "stuck";
}

} // namespace

int RunBot(Args args)
{
    BotOptions options;
    if (auto error = ParseOptions(args, options))
        return Fail(*error);

    const auto began = std::chrono::steady_clock::now();
    int won = 0, dead = 0, timedOut = 0;
    long long pairs = 0;
    std::string out;
    for (int game = 1; game <= options.games; ++game) {
        const GameResult result = PlayGame(options, static_cast<long long>(*options.seed) + game - 1);
        won += result.outcome == GamePhase::Won;
        dead += result.outcome == GamePhase::Lost;
        timedOut += result.outcome == GamePhase::TimeUp;
        pairs += result.pairs;
        out += "game " + std::to_string(game) + " result " + std::string(ResultWord(result.outcome)) + " level " +
               std::to_string(result.level) + " score " + std::to_string(result.score) + " pairs " +
               std::to_string(result.pairs) + " shuffles " + std::to_string(result.shuffles) + '\n';
        if (out.size() > (1u << 16)) {
            std::cout << out;
            out.clear();
        }
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - began).count();
    std::cout << out << "games " << options.games << " won " << won << " dead " << dead << " time " << timedOut
              << " pairs " << pairs << " ms " << ms << '\n';
    return 0;
}

} // namespace llk::lab
