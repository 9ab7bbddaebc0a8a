#!/usr/bin/env bash
# Measures the game window under Xvfb and prints the figures: the time from start until the
# window's first paint (RUNS runs, default 15, alternating with a bare Qt Widgets window built
# here), peak memory with a game running, and the CPU used over 20 idle seconds with a game running
# beside that of the bare window.
# Usage: bench/startup.sh [path of lianliankan] (default: build/bin/lianliankan)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
game=${1:-$root/build/bin/lianliankan}
runs=${RUNS:-15}
[ -x "$game" ] || { echo "no game at $game" >&2; exit 2; }
source "$root/tests/support/x_session.bash"

# The limit a Qt program reaches here: a bare main window of the game's size with the same five
# menus and one label, which it rewrites once a second as the game rewrites its status texts.
cat >"$XS_WORK/bare.cpp" <<'CPP'
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare-qt-window"));
    for (const char* title : {"游戏(&G)", "道具(&I)", "设定(&S)", "纪录(&C)", "帮助(&H)"})
        window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("-"));
    auto* label = new QLabel(QStringLiteral("0"));
    window.setCentralWidget(label);
    label->setFixedSize(994, 656);
    QTimer tick;
    int seconds = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] { label->setText(QString::number(++seconds)); });
    tick.start(1000);
    window.show();
    return app.exec();
}
CPP
g++ -std=c++20 -O2 -fPIC "$XS_WORK/bare.cpp" -o "$XS_WORK/bare" $(pkg-config --cflags --libs Qt6Widgets)

gcc -O2 "$root/bench/first_paint.c" -o "$XS_WORK/first_paint" -lX11 -lXdamage

xs_start_screen 1024x768

# Prints "MAP PAINT": milliseconds from the start of $2 until its window named $1 was mapped and
# first painted (the first damage the X server reports on it).
first_paint() { QT_QPA_PLATFORM=xcb "$XS_WORK/first_paint" "$1" "$2"; }

stats() { # prints "median min max" of the numbers on stdin
  sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
                                      printf "median %s ms (min %s, max %s)", m, v[1], v[NR] }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

game_paint=()
game_map=()
bare_paint=()
bare_map=()
first_paint 岚川连连看 "$game" >/dev/null # warm the file cache
first_paint bare-qt-window "$XS_WORK/bare" >/dev/null
for _ in $(seq "$runs"); do # alternating, so both see the same state of the machine
  read -r map paint < <(first_paint 岚川连连看 "$game")
  game_map+=("$map")
  game_paint+=("$paint")
  read -r map paint < <(first_paint bare-qt-window "$XS_WORK/bare")
  bare_map+=("$map")
  bare_paint+=("$paint")
done
echo "start-up to first paint, $runs runs each:"
echo "  game    ${game_paint[*]} ms -> $(printf '%s\n' "${game_paint[@]}" | stats)"
echo "  bare Qt ${bare_paint[*]} ms -> $(printf '%s\n' "${bare_paint[@]}" | stats)"
echo "  (window mapped: game median $(printf '%s\n' "${game_map[@]}" | median) ms, bare $(printf '%s\n' "${bare_map[@]}" | median) ms)"
ratio=$(awk -v g="$(printf '%s\n' "${game_paint[@]}" | median)" -v b="$(printf '%s\n' "${bare_paint[@]}" | median)" \
        'BEGIN { printf "%.2f", g / b }')
echo "start-up ratio game / bare (medians): $ratio (target <= 1.30)"

# One game: start an Easy game through the menus, let it idle, read the CPU time and the peak.
QT_QPA_PLATFORM=xcb "$game" >/dev/null 2>&1 &
pid=$!
XS_PIDS+=("$pid")
window=$(xs_wait_window '^岚川连连看$')
sleep 0.5 # settle before the measured part; nothing is asserted here
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
echo "idle CPU with a game running: $(idle_cpu "$pid")"
peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
awk -v k="$peak" 'BEGIN { printf "peak memory (VmHWM): %.1f MiB (target < 60 MiB)\n", k / 1024 }'
xs_close_window "$window"
xs_wait_exit "$pid" 10

QT_QPA_PLATFORM=xcb "$XS_WORK/bare" >/dev/null 2>&1 &
pid=$!
XS_PIDS+=("$pid")
xs_wait_window '^bare-qt-window$' >/dev/null
sleep 1
echo "idle CPU of the bare window rewriting one label a second: $(idle_cpu "$pid") (the game's target: at most twice this)"
