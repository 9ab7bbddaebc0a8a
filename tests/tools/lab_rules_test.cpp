// llk-lab shift, pairs, run and bot: their answers, and a clear refusal of every bad argument.
#include <gtest/gtest.h>

#include "tests/tools/lab_runner.h"

namespace llk {
namespace {

using test::LabResult;
using test::RunLab;
using test::WriteTempFile;

constexpr std::string_view Column = "0 0 0 0 0 0\n"
                                    "0 1 0 0 0 0\n"
                                    "0 0 0 0 2 0\n"
                                    "0 1 0 0 0 0\n"
                                    "0 0 0 0 0 0\n";

constexpr std::string_view Cross = "0 0 0 0 0 0\n"
                                   "0 2 3 0 0 0\n"
                                   "0 3 2 0 0 0\n"
                                   "0 0 0 0 0 0\n";

void ExpectRefused(const LabResult& result, std::string_view message)
{
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "llk-lab: " + std::string(message) + "\n");
}

TEST(LabShift, PrintsTheShiftedBoard)
{
    const std::string board = WriteTempFile("column.txt", Column);
    const LabResult down = RunLab({"shift", board, "2"});
    EXPECT_EQ(down.exitCode, 0);
    EXPECT_EQ(down.out, "0 0 0 0 0 0\n0 0 0 0 0 0\n0 1 0 0 0 0\n0 1 0 0 2 0\n0 0 0 0 0 0\n");
    EXPECT_EQ(RunLab({"shift", board, "99"}).out, RunLab({"shift", board, "1"}).out) << "other levels move nothing";
}

TEST(LabShift, RefusesBadArguments)
{
    const std::string board = WriteTempFile("column.txt", Column);
    ExpectRefused(RunLab({"shift", board}), "shift: expected BOARD LEVEL");
    ExpectRefused(RunLab({"shift", board, "two"}), "shift: 'two' is not a level number");
    ExpectRefused(RunLab({"shift", WriteTempFile("odd.txt", "0 0 0\n0 1 0\n0 0 0\n"), "2"}),
                  "shift: the board has 3 columns; the level shifts need an even number");
    const LabResult missing = RunLab({"shift", testing::TempDir() + "no-such-board.txt", "2"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("cannot open board file"), std::string::npos) << missing.err;
}

TEST(LabPairs, AnswersPairEmptyOrDead)
{
    EXPECT_EQ(RunLab({"pairs", WriteTempFile("column.txt", Column)}).out, "pair 8 20\n");
    EXPECT_EQ(RunLab({"pairs", "-"}, Cross).out, "dead\n");
    EXPECT_EQ(RunLab({"pairs", "-"}, "0 0 0\n0 0 0\n0 0 0\n").out, "empty\n");
    ExpectRefused(RunLab({"pairs"}), "pairs: expected BOARD");
}

TEST(LabRun, ReadsTheScriptFromStandardInput)
{
    const LabResult result = RunLab({"run", "-"}, "# nothing but a tick\ntick removal\n\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "ignored\n");
}

TEST(LabRun, RefusesEveryBadLineWithItsNumberAfterTheOutputBefore)
{
    const auto refused = [](std::string_view script, std::string_view message) {
        const LabResult result = RunLab({"run", "-"}, script);
        EXPECT_EQ(result.exitCode, 2) << script;
        EXPECT_EQ(result.err, "llk-lab: " + std::string(message) + "\n") << script;
        return result;
    };
    EXPECT_EQ(refused("tick removal\nfly away\n", "line 2: unknown command 'fly'").out, "ignored\n");
    refused("seed x\n", "line 1: seed: 'x' is not a whole number");
    refused("start 30 0\n", "line 1: start: '30' is not a theme (0 to 29)");
    refused("start 0 5\n", "line 1: start: '5' is not a difficulty (0 to 4)");
    refused("start 0\n", "line 1: start: expected THEME DIFFICULTY");
    refused("click 5\n", "line 1: click: no game has been started");
    refused("start 0 0\nclick 127\n", "line 2: click: '127' is not a cell of the board (1 to 126)");
    refused("set level -1\n", "line 1: set: '-1' is not a whole number from 0 to 1000000");
    refused("set speed 3\n", "line 1: set: unknown counter 'speed' (level, hints, shuffles, bar, score, kinds, auto)");
    refused("tick\n", "line 1: tick: expected removal, or countdown with an optional count");
    refused("tick countdown 0\n", "line 1: tick: '0' is not a tick count (1 to 1000000)");
    refused("hint now\n", "line 1: hint: takes no arguments");
    refused("sound loud\n", "line 1: sound: expected on or off");
    refused("board\n", "line 1: board: no game has been started");
    refused("start 0 0\ntick countdown 312\nboard\n", "line 3: board: the game is over; start a new one first");
    refused("start 0 0\nboard\n0 0 0\n0 0 0\n0 0 0\nend\n",
            "line 6: board: the rows make a 3 x 3 board; the running game's Board is 9 x 14");
    refused("start 0 0\nboard\n0 0 0\n", "line 3: board: no \"end\" after the board begun on line 2");
    refused("start 0 0\nboard\n0 0 0\n0 1 1\n",
            "line 4: board: border cell at row 2, column 3 holds 1; the border must be 0");
}

TEST(LabRun, RefusesAMissingOrUnreadableScript)
{
    const LabResult missing = RunLab({"run", testing::TempDir() + "no-such-script.llk"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("cannot open script"), std::string::npos) << missing.err;
    ExpectRefused(RunLab({"run", testing::TempDir()}), "cannot read script '" + testing::TempDir().substr(0, 40) +
                                                           (testing::TempDir().size() > 40 ? "..." : "") +
                                                           "': it is a folder");
    ExpectRefused(RunLab({"run"}), "run: expected SCRIPT");
}

TEST(LabBot, PlaysRepeatableGamesAndSumsThemUp)
{
    const LabResult first = RunLab({"bot", "--theme", "0", "--difficulty", "0", "--seed", "4", "--games", "2"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const LabResult again = RunLab({"bot", "--seed", "4", "--games", "2", "--difficulty", "0", "--theme", "0"});
    const auto withoutTime = [](const std::string& out) { return out.substr(0, out.rfind(" ms ")); };
    EXPECT_EQ(withoutTime(first.out), withoutTime(again.out)) << "the same seeds play the same games";
    EXPECT_NE(first.out.find("game 1 result "), std::string::npos);
    EXPECT_NE(first.out.find("\ngame 2 result "), std::string::npos);
    EXPECT_NE(first.out.find("\ngames 2 won "), std::string::npos);
}

TEST(LabBot, ATimeOutComesWhenTheBotIsSlow)
{
    const LabResult result = RunLab({"bot", "--theme", "3", "--difficulty", "1", "--seed", "1", "--pace", "20"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.rfind("game 1 result time level 1 ", 0), 0u) << result.out;
}

TEST(LabBot, RefusesBadOptions)
{
    const std::string usage = "bot: expected --theme T --difficulty D --seed S [--games N] [--pace SECONDS]";
    ExpectRefused(RunLab({"bot"}), usage);
    ExpectRefused(RunLab({"bot", "--theme", "0", "--difficulty", "0"}), usage);
    ExpectRefused(RunLab({"bot", "--theme", "30", "--difficulty", "0", "--seed", "1"}),
                  "bot: --theme '30' is not a theme (0 to 29)");
    ExpectRefused(RunLab({"bot", "--theme", "0", "--difficulty", "9", "--seed", "1"}),
                  "bot: --difficulty '9' is not a difficulty (0 to 4)");
    ExpectRefused(RunLab({"bot", "--theme", "0", "--difficulty", "0", "--seed", "-3"}),
                  "bot: --seed '-3' is not a whole number of at least 0");
    ExpectRefused(RunLab({"bot", "--theme", "0", "--difficulty", "0", "--seed", "1", "--games", "0"}),
                  "bot: --games '0' is not a game count (1 to 1000000)");
    for (const char* pace : {"-1", "1e3", "nan", ".", "2.5s"})
        ExpectRefused(RunLab({"bot", "--theme", "0", "--difficulty", "0", "--seed", "1", "--pace", pace}),
                      "bot: --pace '" + std::string(pace) + "' is not a number of seconds (0 to 1000000)");
    ExpectRefused(RunLab({"bot", "--theme", "0", "--difficulty", "0", "--seed", "1", "--fast", "1"}),
                  "bot: unknown option '--fast'");
    ExpectRefused(RunLab({"bot", "--theme"}), "bot: '--theme' needs a value");
}

} // namespace
} // namespace llk
