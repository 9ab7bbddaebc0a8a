// llk-lab link: the search's answer and the drawn path, exactly as the tool's contract prints them.
#include <gtest/gtest.h>

#include "tests/tools/lab_runner.h"

namespace llk {
namespace {

using test::RunLab;
using test::WriteTempFile;

// The Easy board where the free L-shape hides behind a blocked first corner: tiles (3, 3) = 31
// and (5, 6) = 62.
constexpr std::string_view BlockedFirstCorner = "# every Cell a tile but the path and the border\n"
                                                "0 0 0 0 0 0 0 0 0 0 0 0 0 0\n"
                                                "0 5 5 5 5 5 5 5 5 5 5 5 5 0\n"
                                                "0 0 5 5 5 5 5 5 5 5 5 5 5 0\n"
                                                "0 5 0 5 5 0 5 5 5 5 5 5 5 0\n"
                                                "0 5 0 0 0 5 5 5 5 5 5 5 5 0\n"
                                                "0 5 5 5 5 5 5 5 5 5 5 5 5 0\n"
                                                "0 5 5 5 5 5 5 5 5 5 5 5 5 0\n"
                                                "0 5 5 5 5 5 5 5 5 5 5 5 5 0\n"
                                                "0 0 0 0 0 0 0 0 0 0 0 0 0 0\n";

constexpr std::string_view SmallBoard = "0 0 0 0 0 0\n"
                                        "0 1 0 0 2 0\n"
                                        "0 3 4 0 0 0\n"
                                        "0 4 0 9 3 0\n"
                                        "0 0 0 0 0 0\n";

TEST(LabLink, PrintsTheDrawnPiecesInCellOrder)
{
    const std::string board = WriteTempFile("blocked-first-corner.txt", BlockedFirstCorner);
    const std::string expected = "true\n45 2\n59 4\n60 1\n61 1\n";
    for (const auto& [a, b] : {std::pair{"31", "62"}, std::pair{"62", "31"}}) {
        const auto result = RunLab({"link", board, a, b});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, expected) << a << " " << b;
        EXPECT_EQ(result.err, "");
    }
}

TEST(LabLink, ReadsTheBoardFromStandardInput)
{
    const auto result = RunLab({"link", "-", "31", "62"}, BlockedFirstCorner);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "true\n45 2\n59 4\n60 1\n61 1\n");
}

TEST(LabLink, AnswersFalseAloneAndTrueAloneForNeighbours)
{
    const std::string board = WriteTempFile("small.txt", SmallBoard);
    EXPECT_EQ(RunLab({"link", board, "14", "20"}).out, "true\n");                 // neighbours
    EXPECT_EQ(RunLab({"link", board, "8", "11"}).out, "true\n9 1\n10 1\n");       // straight
    EXPECT_EQ(RunLab({"link", board, "8", "22"}).out, "true\n9 1\n10 5\n16 2\n"); // corner above
    EXPECT_EQ(RunLab({"link", board, "15", "20"}).out, "true\n21 6\n");           // corner below
    // Kinds are not compared: a 3 and a 9 are asked about all the same.
    EXPECT_EQ(RunLab({"link", board, "14", "22"}).out, "false\n");
    EXPECT_EQ(RunLab({"link", board, "14", "23"}).out, "false\n");
}

// Each bad argument: exit 2, one "llk-lab: " line on standard error, nothing on standard output.
TEST(LabLink, RefusesBadCellArguments)
{
    const std::string board = WriteTempFile("small-args.txt", SmallBoard);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"link"}, "expected BOARD A B"},
        {{"link", board, "8"}, "expected BOARD A B"},
        {{"link", board, "8", "11", "12"}, "expected BOARD A B"},
        {{"link", board, "eight", "11"}, "'eight' is not a cell number"},
        {{"link", board, "8", "11x"}, "'11x' is not a cell number"},
        {{"link", board, "8", "99999999999"}, "is not a cell number"},
        {{"link", board, "0", "11"}, "cell 0 is outside the board (1 to 30)"},
        {{"link", board, "8", "31"}, "cell 31 is outside the board"},
        {{"link", board, "-3", "11"}, "outside the board"},
        {{"link", board, "1", "8"}, "cell 1 is on the border"},
        {{"link", board, "8", "12"}, "cell 12 is on the border"},
        {{"link", board, "9", "8"}, "cell 9 holds no tile"},
        {{"link", board, "8", "8"}, "two different cells"},
        {{"lnk", board, "8", "11"}, "unknown command 'lnk'"},
        {{}, "usage: llk-lab"},
    };
    for (const auto& [args, message] : cases) {
        const auto result = RunLab(args);
        const std::string shown = args.empty() ? "(none)" : args.back();
        EXPECT_EQ(result.exitCode, 2) << shown;
        EXPECT_EQ(result.out, "") << shown;
        EXPECT_TRUE(result.err.starts_with("llk-lab: ")) << result.err;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

} // namespace
} // namespace llk
