#!/usr/bin/env bash
# Measures the game window under Xvfb and prints the figures: the time from start until the
# window is shown (five runs, beside a bare Qt Widgets window built here), peak memory with a
# game running, and the CPU used over 20 idle seconds with a game running.
# Usage: bench/startup.sh [path of lianliankan] (default: build/bin/lianliankan)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
game=${1:-$root/build/bin/lianliankan}
runs=${RUNS:-5}
[ -x "$game" ] || { echo "no game at $game" >&2; exit 2; }
source "$root/tests/e2e/support/x_session.bash"

# The limit a Qt program reaches here: a bare window of the game's size.
cat >"$XS_WORK/bare.cpp" <<'CPP'
#include <QApplication>
#include <QTimer>
#include <QWidget>
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTimer tick; // a do-nothing tick a second: the floor of the idle CPU figure
    tick.start(1000);
    QObject::connect(&tick, &QTimer::timeout, [] {});
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare-qt-window"));
    window.setFixedSize(994, 678);
    window.show();
    return app.exec();
}
CPP
g++ -std=c++20 -O2 -fPIC "$XS_WORK/bare.cpp" -o "$XS_WORK/bare" $(pkg-config --cflags --libs Qt6Widgets)

xs_start_screen 1024x768

now_ms() { date +%s%3N; }

# Starts $1 and prints the milliseconds until a visible window named $2 exists, then ends it.
time_to_window() {
  local start pid shown
  start=$(now_ms)
  QT_QPA_PLATFORM=xcb "$1" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended early" >&2; exit 1; }
    sleep 0.01 # leave the cores to the program being measured
  done
  shown=$(now_ms)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $((shown - start))
}

stats() { # prints "median min max" of the numbers on stdin
  sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
                                      printf "median %s ms (min %s, max %s)", m, v[1], v[NR] }'
}

game_times=()
bare_times=()
time_to_window "$game" '^岚川连连看$' >/dev/null # warm the file cache
time_to_window "$XS_WORK/bare" '^bare-qt-window$' >/dev/null
for _ in $(seq "$runs"); do
  game_times+=("$(time_to_window "$game" '^岚川连连看$')")
  bare_times+=("$(time_to_window "$XS_WORK/bare" '^bare-qt-window$')")
done
game_median=$(printf '%s\n' "${game_times[@]}" | stats)
bare_median=$(printf '%s\n' "${bare_times[@]}" | stats)
echo "start-up to shown window, $runs runs: game ${game_times[*]} ms -> $game_median"
echo "                                   bare Qt ${bare_times[*]} ms -> $bare_median"
ratio=$(printf '%s\n%s\n' "${game_median#median }" "${bare_median#median }" |
        awk 'NR == 1 { g = $1 } NR == 2 { b = $1 } END { printf "%.2f", g / b }')
echo "start-up ratio game / bare: $ratio (target <= 1.30)"

# One game: start an Easy game through the menus, let it idle, read the CPU time and the peak.
QT_QPA_PLATFORM=xcb "$game" >/dev/null 2>&1 &
pid=$!
XS_PIDS+=("$pid")
window=$(xs_wait_window '^岚川连连看$')
sleep 0.5
xs_click_in "$window" 500 400
for key in alt+g 0 0 e; do
  xdotool key "$key"
  sleep 0.3
done
sleep 2
# Nanoseconds on a CPU, summed over the threads of process $1 (finer than the 10 ms ticks of stat).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ t += $1 } END { printf "%.0f", t }'; }
# Prints the share of one core that process $1 uses over 20 seconds.
idle_cpu() {
  local before after
  before=$(cpu_ns "$1")
  sleep 20
  after=$(cpu_ns "$1")
  awk -v ns=$((after - before)) 'BEGIN { printf "%.3f %% of one core over 20 s (%.1f ms)", 100 * ns / 1e9 / 20, ns / 1e6 }'
}
echo "idle CPU with a game running: $(idle_cpu "$pid") (target < 0.05 %)"
peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
awk -v k="$peak" 'BEGIN { printf "peak memory (VmHWM): %.1f MiB (target < 60 MiB)\n", k / 1024 }'
xs_close_window "$window"
xs_wait_exit "$pid" 10

QT_QPA_PLATFORM=xcb "$XS_WORK/bare" >/dev/null 2>&1 &
pid=$!
XS_PIDS+=("$pid")
xs_wait_window '^bare-qt-window$' >/dev/null
sleep 1
echo "idle CPU of the bare window with one empty tick a second: $(idle_cpu "$pid")"
