#!/usr/bin/env bash
# The real game's help window with a bad Help.txt beside it: help_file.sh CASE GAME RUNTIME-DIR.
# The window opens promptly (built-in text, replacement characters, or the first MiB) and the
# game goes on.
set -euo pipefail
case_name=$1
source "$(dirname "$0")/../support/x_session.bash"
xs_start_screen 1024x768
xs_game_folder "$2" "$3"
mkdir "$XS_GAME_DIR/Background"
xs_mono_jpeg "$XS_GAME_DIR/Background/a.jpg" "rgb(90,120,150)"
help="$XS_GAME_DIR/Help.txt"

case $case_name in
missing) rm -f "$help" ;;
invalid-gbk) { printf '\xC4 \x80\xFF\xFF\r\n'; head -c 20000 /dev/urandom; } >"$help" ;;
huge)
  # 50 MiB of GBK lines ("帮助" repeated) ending in CR LF, the last one cut off without a break.
  line=$(printf '\xB0\xEF\xD6\xFA %.0s' $(seq 40))
  yes "$line"$'\r' | head -c 52428800 >"$help" || true
  [ "$(stat -c %s "$help")" -eq 52428800 ] || xs_fail "could not write the 50 MiB Help.txt"
  ;;
*) xs_fail "unknown case $case_name" ;;
esac

xs_start_and_find_main_window
for opening in 1 2; do
  xs_menu_keys h h
  window=$(xs_wait_game_window "游戏帮助" 15) || xs_fail "the help window did not open (opening $opening)"
  xs_close_with_key "$window" Escape 10 || xs_fail "the help window did not close (opening $opening)"
done
xs_expect_responsive 10
echo "help window opened and closed twice with Help.txt $case_name"
