// llk-lab run SCRIPT: a scripted scenario played through the whole engine, events printed as
// they happen.
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "board/board.h"
#include "rules/commands.h"
#include "rules/game_setup.h"
#include "rules/game_state.h"
#include "tools/llk-lab/board_file.h"
#include "tools/llk-lab/commands.h"
#include "tools/llk-lab/seeded_clock.h"

namespace llk::lab {
namespace {

// Far beyond any scenario; a bigger file is not a script.
constexpr std::size_t MaxScriptBytes = 16u << 20;
// Counters a script may set: large enough for any test, small enough that no sum overflows.
constexpr int MaxCounter = 1'000'000;
constexpr int MaxTicks = 1'000'000;

// Message boxes are closed at once with OK; what they said and what was heard is printed.
class PrintingHost final : public Host {
public:
    void ShowMessage(std::string_view text, Icon icon) override
    {
        std::string line = icon == Icon::Error ? "message error " : "message info ";
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.substr(i, 2) == "\r\n") {
                line += "\\n";
                ++i;
            } else {
                line += text[i];
            }
        }
        std::cout << line << '\n';
    }
    void PlaySound(Sound sound) override { std::cout << "sound " << static_cast<int>(sound) << '\n'; }
    void TimerSwitched(TimerId, bool) override {}
};

std::vector<std::string_view> Tokens(std::string_view line)
{
    std::vector<std::string_view> tokens;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        const std::size_t start = pos;
        while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t')
            ++pos;
        if (pos > start)
            tokens.push_back(line.substr(start, pos - start));
    }
    return tokens;
}

std::string MarkerText(const Game& g, const Marker& marker)
{
    if (!marker.visible || g.screen.CellWidth <= 0 || g.screen.CellHeight <= 0)
        return "hidden";
    const int col = (marker.left - g.screen.SpriteOriginX) / g.screen.CellWidth + 1;
    const int row = (marker.top - g.screen.SpriteOriginY) / g.screen.CellHeight + 1;
    return std::to_string(CellIndex(g, row, col));
}

std::string Number(double value)
{
    if (value == std::floor(value))
        return std::to_string(static_cast<long long>(value));
    std::ostringstream out;
    out << value;
    return out.str();
}

std::string OnOff(bool on) { return on ? "on" : "off"; }
std::string YesNo(bool yes) { return yes ? "yes" : "no"; }

class ScriptRunner {
public:
    ScriptRunner() { m_game.host = &m_host; }

    // Runs one line; the error message (without "line N: ") when the line is bad.
    std::optional<std::string> Line(std::string_view line, int number);
    // The script has ended; an open board block is an error.
    std::optional<std::string> Finish() const;

private:
    using Result = std::optional<std::string>;

    Result Command(const std::vector<std::string_view>& tokens);
    Result Start(const std::vector<std::string_view>& tokens);
    Result Set(const std::vector<std::string_view>& tokens);
    Result Click(const std::vector<std::string_view>& tokens);
    Result Tick(const std::vector<std::string_view>& tokens);
    Result EndBoard();
    void Print() const;

    bool HasBoard() const { return m_game.board.RowCount > 0; }

    Game m_game;
    PrintingHost m_host;
    std::optional<BoardReader> m_board; // between "board" and "end"
    int m_boardLine = 0;
};

std::optional<std::string> NoArguments(const std::vector<std::string_view>& tokens)
{
    if (tokens.size() != 1)
        return std::string(tokens[0]) + ": takes no arguments";
    return std::nullopt;
}

std::optional<int> InRange(std::string_view text, int low, int high)
{
    const std::optional<int> value = ParseInt(text);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

std::optional<std::string> ScriptRunner::Line(std::string_view line, int number)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const std::vector<std::string_view> tokens = Tokens(line);
    if (m_board) {
        if (tokens.size() == 1 && tokens[0] == "end")
            return EndBoard();
        if (auto error = m_board->AddLine(line, number))
            return "board: " + error->what;
        return std::nullopt;
    }
    if (tokens.empty() || tokens[0].front() == '#')
        return std::nullopt;
    if (tokens[0] == "board") {
        if (auto error = NoArguments(tokens))
            return error;
        // A finished game has no Board to play on: tiles there would be cleared as a level.
        if (!GameRunning(m_game))
            return std::string(HasBoard() ? "board: the game is over; start a new one first"
                                          : "board: no game has been started");
        m_board.emplace();
        m_boardLine = number;
        return std::nullopt;
    }
    return Command(tokens);
}

std::optional<std::string> ScriptRunner::Finish() const
{
    if (m_board)
        return "board: no \"end\" after the board begun on line " + std::to_string(m_boardLine);
    return std::nullopt;
}

std::optional<std::string> ScriptRunner::Command(const std::vector<std::string_view>& tokens)
{
    const std::string_view name = tokens[0];
    Game& g = m_game;
    if (name == "seed") {
        if (tokens.size() != 2)
            return std::string("seed: expected N");
        const std::optional<int> seed = ParseInt(tokens[1]);
        if (!seed)
            return "seed: " + Quote(tokens[1]) + " is not a whole number";
        g.clock = SeededClock(*seed);
        return std::nullopt;
    }
    if (name == "start")
        return Start(tokens);
    if (name == "set")
        return Set(tokens);
    if (name == "click")
        return Click(tokens);
    if (name == "tick")
        return Tick(tokens);
    if (name == "sound") {
        if (tokens.size() != 2 || (tokens[1] != "on" && tokens[1] != "off"))
            return std::string("sound: expected on or off");
        SetSoundEffects(g, tokens[1] == "on");
        return std::nullopt;
    }
    if (name == "hint" || name == "shuffle" || name == "pause" || name == "print") {
        if (auto error = NoArguments(tokens))
            return error;
        if (name == "hint")
            HintCommand(g);
        else if (name == "shuffle")
            ShuffleCommand(g);
        else if (name == "pause")
            TogglePause(g);
        else
            Print();
        return std::nullopt;
    }
    return "unknown command " + Quote(name);
}

std::optional<std::string> ScriptRunner::Start(const std::vector<std::string_view>& tokens)
{
    if (tokens.size() != 3)
        return std::string("start: expected THEME DIFFICULTY");
    const std::optional<int> theme = InRange(tokens[1], 0, ThemeCount - 1);
    if (!theme)
        return "start: " + Quote(tokens[1]) + " is not a theme (0 to " + std::to_string(ThemeCount - 1) + ")";
    const std::optional<int> difficulty = InRange(tokens[2], 0, 4);
    if (!difficulty)
        return "start: " + Quote(tokens[2]) + " is not a difficulty (0 to 4)";
    StartGame(m_game, *theme, *difficulty);
    return std::nullopt;
}

std::optional<std::string> ScriptRunner::Set(const std::vector<std::string_view>& tokens)
{
    if (tokens.size() != 3)
        return std::string("set: expected NAME VALUE");
    Game& g = m_game;
    const std::string_view name = tokens[1];
    int* counter = name == "level"      ? &g.counters.Level
                   : name == "hints"    ? &g.counters.HintsLeft
                   : name == "shuffles" ? &g.counters.ShufflesLeft
                   : name == "score"    ? &g.counters.Score
                   : name == "kinds"    ? &g.counters.KindCount
                   : name == "auto"     ? &g.counters.AutoShuffles
                                        : nullptr;
    if (!counter && name != "bar")
        return "set: unknown counter " + Quote(name) + " (level, hints, shuffles, bar, score, kinds, auto)";
    const std::optional<int> value = InRange(tokens[2], 0, MaxCounter);
    if (!value)
        return "set: " + Quote(tokens[2]) + " is not a whole number from 0 to " + std::to_string(MaxCounter);
    if (counter)
        *counter = *value;
    else
        g.counters.TimeBar = *value;
    return std::nullopt;
}

std::optional<std::string> ScriptRunner::Click(const std::vector<std::string_view>& tokens)
{
    if (tokens.size() != 2)
        return std::string("click: expected CELL");
    if (!HasBoard())
        return std::string("click: no game has been started");
    const std::optional<int> cell = InRange(tokens[1], 1, CellCount(m_game));
    if (!cell)
        return "click: " + Quote(tokens[1]) + " is not a cell of the board (1 to " + std::to_string(CellCount(m_game)) + ")";
    ClickTile(m_game, *cell);
    return std::nullopt;
}

std::optional<std::string> ScriptRunner::Tick(const std::vector<std::string_view>& tokens)
{
    Game& g = m_game;
    if (tokens.size() == 2 && tokens[1] == "removal") {
        if (g.switches.Timer1On)
            RemovalStep(g);
        else
            std::cout << "ignored\n";
        return std::nullopt;
    }
    if ((tokens.size() == 2 || tokens.size() == 3) && tokens[1] == "countdown") {
        int ticks = 1;
        if (tokens.size() == 3) {
            const std::optional<int> count = InRange(tokens[2], 1, MaxTicks);
            if (!count)
                return "tick: " + Quote(tokens[2]) + " is not a tick count (1 to " + std::to_string(MaxTicks) + ")";
            ticks = *count;
        }
        for (int i = 0; i < ticks; ++i) {
            if (g.switches.Timer2On)
                Countdown(g);
            else
                std::cout << "ignored\n";
        }
        return std::nullopt;
    }
    return std::string("tick: expected removal, or countdown with an optional count");
}

// The rows replace every Cell of the running game's Board as a deal would.
std::optional<std::string> ScriptRunner::EndBoard()
{
    BoardReader reader = std::move(*m_board);
    m_board.reset();
    if (auto error = reader.Finish(m_boardLine))
        return "board: " + error->what;
    Game& g = m_game;
    const BoardPicture& picture = reader.Board();
    if (picture.rows != g.board.RowCount || picture.cols != g.board.ColCount)
        return "board: the rows make a " + std::to_string(picture.rows) + " x " + std::to_string(picture.cols) +
               " board; the running game's Board is " + std::to_string(g.board.RowCount) + " x " +
               std::to_string(g.board.ColCount);
    LoadBoard(g, picture.cells);
    return std::nullopt;
}

void ScriptRunner::Print() const
{
    const Game& g = m_game;
    std::cout << "level " << g.counters.Level << " hints " << g.counters.HintsLeft << " shuffles "
              << g.counters.ShufflesLeft << " score " << g.counters.Score << " bar " << Number(g.counters.TimeBar)
              << " kinds " << g.counters.KindCount << " auto " << g.counters.AutoShuffles << '\n'
              << "timer1 " << OnOff(g.switches.Timer1On) << " timer2 " << OnOff(g.switches.Timer2On) << " paused "
              << YesNo(g.switches.Paused) << " over " << YesNo(GameOver(g)) << '\n'
              << "selected "
              << (g.selection.SelectionState == SelectionState::FirstTile ? std::to_string(g.selection.SelectedCell) : "none")
              << " marker1 " << MarkerText(g, g.screen.Shape1) << " marker2 " << MarkerText(g, g.screen.Shape2) << '\n'
              << FormatBoard(g);
}

// The script's text, or why it cannot be read.
std::optional<std::string> ReadScript(std::string_view path, std::string& text)
{
    const std::string name = path == "-" ? std::string("standard input") : Quote(path);
    std::istream* in = &std::cin;
    std::ifstream file;
    if (path != "-") {
        std::error_code error;
        const std::filesystem::path location{std::string(path)};
        if (std::filesystem::is_directory(location, error))
            return "cannot read script " + name + ": it is a folder";
        file.open(location, std::ios::binary);
        if (!file)
            return "cannot open script " + name + ": " + std::strerror(errno);
        in = &file;
    }
    text.resize(MaxScriptBytes + 1);
    in->read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in->gcount()));
    if (in->bad())
        return "cannot read script " + name;
    if (text.size() > MaxScriptBytes)
        return "script " + name + " is larger than 16 MiB";
    return std::nullopt;
}

} // namespace

int RunScript(Args args)
{
    if (args.size() != 1)
        return Fail("run: expected SCRIPT");
    std::string text;
    if (auto error = ReadScript(args[0], text))
        return Fail(*error);

    ScriptRunner runner;
    int number = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        ++number;
        if (auto error = runner.Line(std::string_view(text).substr(pos, end - pos), number))
            return Fail("line " + std::to_string(number) + ": " + *error);
        pos = end + 1;
    }
    if (auto error = runner.Finish())
        return Fail("line " + std::to_string(number) + ": " + *error);
    std::cout.flush();
    return 0;
}

} // namespace llk::lab
