#!/usr/bin/env bash
# Measures what the music costs: the CPU of the game and of a PulseAudio server of its own (one
# null sink) over an Easy game with the music on, the same with the music off, and the CPU of
# paplay and the server playing the same music.wav. The three cases alternate, ROUNDS rounds
# (default 3) of SECONDS_EACH seconds (default 10) each, so all of them see the same machine.
# Usage: bench/music_cpu.sh [path of lianliankan] (default: build/bin/lianliankan)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
game=${1:-$root/build/bin/lianliankan}
rounds=${ROUNDS:-3}
each=${SECONDS_EACH:-10}
[ -x "$game" ] || { echo "no game at $game" >&2; exit 2; }
wave=$(dirname "$game")/../assets/art/generated/music.wav
[ -f "$wave" ] || { echo "no music.wav at $wave" >&2; exit 2; }
source "$root/tests/support/x_session.bash"
source "$root/tests/support/null_sink.bash"

xs_start_screen 1024x768
ns_start_server
server=$(pgrep -f -- "socket=$NS_DIR/native" | head -n 1)
[ -n "$server" ] || xs_fail "no PulseAudio server"

# Nanoseconds on a CPU, summed over the threads of the processes given (finer than stat's ticks).
cpu_ns() {
  local total=0 pid
  for pid in "$@"; do
    total=$((total + $(cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{ t += $1 } END { printf "%.0f", t }')))
  done
  echo "$total"
}

# Starts the game with its own settings folder, the music switch as $1, and an Easy game.
start_game() {
  local home="$XS_WORK/home-$1"
  mkdir -p "$home/lianliankan"
  printf '[sound]\nmusic=%s\n' "$1" >"$home/lianliankan/settings.ini"
  XDG_CONFIG_HOME=$home XDG_DATA_HOME=$home QT_QPA_PLATFORM=xcb "$game" >/dev/null 2>&1 &
  game_pid=$!
  XS_PIDS+=("$game_pid")
  window=$(xs_wait_window '^岚川连连看$')
  xs_click_in "$window" 500 400
  for key in alt+g 0 0 e; do
    xdotool key "$key"
    sleep 0.3
  done
  sleep 2 # the game's stream opens and settles; nothing here is measured
}

stop_game() {
  xs_close_window "$window"
  xs_wait_exit "$game_pid" 10
}

# Adds the CPU that processes "$@" spend over $each seconds to the total named $1.
measure() {
  local name=$1 before after
  shift
  before=$(cpu_ns "$@" "$server")
  sleep "$each"
  after=$(cpu_ns "$@" "$server")
  eval "$name=\$((\${$name:-0} + after - before))"
}

on_ns=0
off_ns=0
paplay_ns=0
for _ in $(seq "$rounds"); do
  start_game true
  measure on_ns "$game_pid"
  stop_game
  start_game false
  measure off_ns "$game_pid"
  stop_game
  paplay "$wave" &
  player=$!
  sleep 2
  measure paplay_ns "$player"
  kill "$player" 2>/dev/null || true
  wait "$player" 2>/dev/null || true
done

seconds=$((rounds * each))
awk -v on="$on_ns" -v off="$off_ns" -v pa="$paplay_ns" -v s="$seconds" 'BEGIN {
  pct = 100 / 1e9 / s
  printf "over %d s each, game and server together:\n", s
  printf "  music on:  %.3f %% of one core\n", on * pct
  printf "  music off: %.3f %% of one core\n", off * pct
  printf "  paplay and server on the same music.wav: %.3f %% of one core\n", pa * pct
  cost = (on - off) * pct
  target = 2 * pa * pct + 0.1
  printf "the music adds %.3f %% of one core (target <= %.3f %%: twice paplay + 0.1)\n", cost, target
}'
