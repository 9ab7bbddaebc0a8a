#!/usr/bin/env bash
# Whole bot games per second on Hard: the last line of llk-lab bot, and the rate it gives.
# Usage: bench/bot_throughput.sh [build folder]   (default: build)
set -euo pipefail
build=${1:-build}
last=$("$build/bin/llk-lab" bot --theme 0 --difficulty 2 --games 200 --seed 1 | tail -n 1)
echo "$last"
echo "$last" | awk '{ for (i = 1; i < NF; ++i) { if ($i == "games") g = $(i + 1); if ($i == "pairs") p = $(i + 1); if ($i == "ms") m = $(i + 1) }
  printf "%.0f games/s, %.1f us per removed pair\n", g * 1000 / m, m * 1000 / p }'
