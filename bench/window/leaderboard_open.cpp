// Times the leaderboard window from its creation with a full board (ten results in each of the five
// Difficulties) until it is on the screen and painted, and prints the figures.
//   llk-leaderboard-bench [RUNS]   (QT_QPA_PLATFORM=offscreen or under a display)
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/look.h"
#include "dialogs/leaderboard_window.h"

namespace {

std::vector<llk::records::Record> FullBoard()
{
    std::vector<llk::records::Record> records;
    for (int difficulty = 0; difficulty < 5; ++difficulty) {
        for (int rank = 0; rank < 10; ++rank) {
            llk::records::Record record;
            record.name = "连连看高手第" + std::to_string(rank + 1) + "名";
            record.score = 99999 - rank * 1000;
            record.level = 12;
            record.theme = (difficulty * 10 + rank) % 30;
            record.difficulty = difficulty;
            record.ended = "2026-12-08T19:30:00+08:00";
            record.endedMs = 1'796'000'000'000 + rank;
            record.result = llk::records::Result::Won;
            records.push_back(record);
        }
    }
    return records;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    llk::app::ApplyLook();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const std::vector<llk::records::Record> board = FullBoard();
    QStringList themeNames;
    for (int theme = 0; theme < 30; ++theme)
        themeNames << QStringLiteral("主题 %1").arg(theme);

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        llk::dialogs::LeaderboardWindow window(nullptr, board, themeNames, QString(), 0, board.front());
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        window.repaint();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("leaderboard window with 50 results, created to painted, %d runs: median %.1f ms "
                "(min %.1f, max %.1f; target < 100 ms)\n",
                runs, times[times.size() / 2], times.front(), times.back());
    return 0;
}
