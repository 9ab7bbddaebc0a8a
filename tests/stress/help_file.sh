#!/usr/bin/env bash
# The real game's help window with a bad Help.txt beside it: help_file.sh CASE GAME RUNTIME-DIR.
# The window opens promptly (built-in text, replacement characters, or the first MiB) and the
# game goes on.
set -euo pipefail
case_name=$1
source "$(dirname "$0")/x11_harness.sh"
harness_init "$2" "$3"
mkdir "$game_dir/Background"
mono_jpeg "$game_dir/Background/a.jpg" "rgb(90,120,150)"
help="$game_dir/Help.txt"

case $case_name in
missing) rm -f "$help" ;;
invalid-gbk) { printf '\xC4 \x80\xFF\xFF\r\n'; head -c 20000 /dev/urandom; } >"$help" ;;
huge)
  # 50 MiB of GBK lines ("帮助" repeated) ending in CR LF, the last one cut off without a break.
  line=$(printf '\xB0\xEF\xD6\xFA %.0s' $(seq 40))
  yes "$line"$'\r' | head -c 52428800 >"$help" || true
  [ "$(stat -c %s "$help")" -eq 52428800 ] || fail "could not write the 50 MiB Help.txt"
  ;;
*) fail "unknown case $case_name" ;;
esac

start_and_find_main_window
for opening in 1 2; do
  xdotool windowfocus "$main_window" 2>/dev/null || true
  xdotool key --clearmodifiers alt+h
  sleep 0.15
  xdotool key h
  window=$(wait_window "游戏帮助" 15) || fail "the help window did not open (opening $opening)"
  close_window "$window" Escape 10 || fail "the help window did not close (opening $opening)"
done
expect_responsive 10
echo "help window opened and closed twice with Help.txt $case_name"
