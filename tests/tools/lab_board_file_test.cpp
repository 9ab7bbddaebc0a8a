// Board files as llk-lab reads them: what it accepts, and a clear refusal for every broken file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/tools/lab_runner.h"

namespace llk {
namespace {

using test::LabResult;
using test::RunLab;
using test::WriteTempFile;

// The board is asked about Cells 8 and 11, two tiles of its second row.
LabResult LinkOnFile(const std::string& name, std::string_view text)
{
    return RunLab({"link", WriteTempFile(name, text), "8", "11"});
}

void ExpectRefused(const LabResult& result, std::string_view message)
{
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(result.err.starts_with("llk-lab: ")) << result.err;
    EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
}

TEST(LabBoardFile, SkipsCommentsAndBlankLinesAndTakesAnyBlanksBetweenCells)
{
    const auto result = LinkOnFile("loose.txt", "# a comment\n"
                                                "\n"
                                                "0  0\t0 0 0 0\n"
                                                "   # an indented comment\n"
                                                "0 1 0 0 1 0\r\n"
                                                "\t\t\n"
                                                "0 0 0 0 0 0");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "true\n9 1\n10 1\n");
}

TEST(LabBoardFile, AcceptsTheLargestAndTheSmallestBoards)
{
    std::string large;
    for (int row = 1; row <= 30; ++row) {
        for (int col = 1; col <= 30; ++col) {
            large += col > 1 ? " " : "";
            large += row == 1 || row == 30 || col == 1 || col == 30 ? "0" : "70";
        }
        large += '\n';
    }
    const auto result = RunLab({"link", WriteTempFile("large.txt", large), "32", "59"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("true\n2 3\n3 1\n")) << result.out;
    EXPECT_TRUE(result.out.ends_with("28 1\n29 5\n")) << result.out;

    const auto small = RunLab({"link", WriteTempFile("small.txt", "0 0 0\n0 1 0\n0 0 0\n"), "5", "5"});
    ExpectRefused(small, "two different cells");
}

struct BrokenFile {
    std::string name;
    std::string text;
    std::string message;
};

TEST(LabBoardFile, RefusesEveryBrokenFileWithItsLine)
{
    std::string wide = "0";
    for (int col = 2; col <= 31; ++col)
        wide += " 0";
    std::string tall;
    for (int row = 1; row <= 31; ++row)
        tall += "0 0 0 0 0 0\n";
    const std::vector<BrokenFile> cases = {
        {"letter", "0 0 0 0 0 0\n0 1 x 0 1 0\n0 0 0 0 0 0\n", "line 2: 'x' is not a cell"},
        {"leading-zero", "0 0 0 0 0 0\n0 01 0 0 1 0\n0 0 0 0 0 0\n", "line 2: '01' is not a cell"},
        {"kind-71", "0 0 0 0 0 0\n0 71 0 0 1 0\n0 0 0 0 0 0\n", "line 2: '71' is not a cell"},
        {"negative", "0 0 0 0 0 0\n0 -1 0 0 1 0\n0 0 0 0 0 0\n", "line 2: '-1' is not a cell"},
        {"decimal", "0 0 0 0 0 0\n0 1.0 0 0 1 0\n0 0 0 0 0 0\n", "line 2: '1.0' is not a cell"},
        {"trailing-comment", "0 0 0 0 0 0 # top\n0 1 0 0 1 0\n0 0 0 0 0 0\n", "line 1: '#' is not a cell"},
        {"control-bytes", std::string("0 0 0 0 0 0\n0 1 \x01\x1b[2J 0 1 0\n0 0 0 0 0 0\n"), "line 2: '??[2J'"},
        {"ragged", "# top\n0 0 0 0 0 0\n0 1 0 0 1 0 0\n0 0 0 0 0 0\n", "line 3: row has 7 cells, the rows above have 6"},
        {"narrow", "0 0\n0 0\n0 0\n", "line 1: row has 2 cells"},
        {"too-wide", wide + "\n", "line 1: row has 31 cells"},
        {"too-tall", tall, "line 31: more than 30 rows"},
        {"two-rows", "0 0 0 0 0 0\n\n0 0 0 0 0 0\n", "line 3: the board ends after 2 rows"},
        {"empty", "", "line 1: the board ends after 0 rows"},
        {"only-comments", "# nothing\n# here\n", "line 2: the board ends after 0 rows"},
        {"top-border", "0 0 3 0 0 0\n0 1 0 0 1 0\n0 0 0 0 0 0\n", "line 1: border cell at row 1, column 3 holds 3"},
        {"left-border", "0 0 0 0 0 0\n2 1 0 0 1 0\n0 0 0 0 0 0\n", "line 2: border cell at row 2, column 1"},
        {"right-border", "0 0 0 0 0 0\n0 1 0 0 1 4\n0 0 0 0 0 0\n", "line 2: border cell at row 2, column 6"},
        {"bottom-border", "0 0 0 0 0 0\n0 1 0 0 1 0\n0 0 0 0 0 6\n\n# end\n", "line 3: border cell at row 3, column 6 holds 6"},
    };
    for (const BrokenFile& broken : cases) {
        SCOPED_TRACE(broken.name);
        const auto result = LinkOnFile(broken.name + ".txt", broken.text);
        ExpectRefused(result, broken.message);
        EXPECT_NE(result.err.find(broken.name + ".txt"), std::string::npos) << "names the file";
    }
}

TEST(LabBoardFile, RefusesFilesItCannotRead)
{
    ExpectRefused(RunLab({"link", testing::TempDir() + "no-such-board.txt", "8", "11"}), "cannot open board file");
    ExpectRefused(RunLab({"link", testing::TempDir(), "8", "11"}), "it is a folder");

    const std::string huge(2 << 20, '0');
    ExpectRefused(LinkOnFile("huge.txt", huge), "larger than 1 MiB");
    ExpectRefused(RunLab({"link", "-", "8", "11"}, huge), "standard input is larger than 1 MiB");
}

TEST(LabBoardFile, NamesStandardInputInItsErrors)
{
    ExpectRefused(RunLab({"link", "-", "8", "11"}, "0 0 0\n0 9 9\n0 0 0\n"),
                  "standard input: line 2: border cell at row 2, column 3 holds 9");
}

} // namespace
} // namespace llk
