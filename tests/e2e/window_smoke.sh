#!/usr/bin/env bash
# The real program under Xvfb: its window opens, an Easy game started through the menus' access
# keys deals tiles on the screen, and the window closes on request.
set -euo pipefail
game=$1
source "$(dirname "$0")/../support/x_session.bash"

xs_start_screen 1024x768
QT_QPA_PLATFORM=xcb "$game" >"$XS_WORK/out.log" 2>&1 &
pid=$!
XS_PIDS+=("$pid")
window=$(xs_wait_window '^岚川连连看$')
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 994 ] || xs_fail "window width $WIDTH, expected 994"
board="994x600+$X+$((Y + HEIGHT - 606))"

# The header band is black once the window has painted.
header_painted() {
  [ "$(import -window root -crop "1x1+$((X + 5))+$((Y + HEIGHT - 650))" -depth 8 txt:- 2>/dev/null \
       | awk 'NR==2 {print $3}')" = "#000000" ]
}
xs_wait_until 30 header_painted || xs_fail "the window was not painted"

# A click on the empty board activates the window and deals nothing.
xs_click_in "$window" 500 400
import -window root -crop "$board" +repage "$XS_WORK/before-board.png"

# 游戏(&G) → 第 0 组(&0) → 宠物连连看(&0) → 初级篇(&E)
xs_type_keys alt+g 0 0 e

# An Easy board of Theme 0 is 7 x 12 tiles of 40 x 40 pixels; most of it must change.
board_changed() {
  import -window root -crop "$board" +repage "$XS_WORK/after-board.png"
  changed=$(compare -metric AE "$XS_WORK/before-board.png" "$XS_WORK/after-board.png" null: 2>&1 || true)
  changed=${changed%% *}
  [ "${changed%.*}" -gt 60000 ]
}
xs_wait_until 30 board_changed || xs_fail "no tiles appeared ($changed pixels changed)"
echo "pixels changed on the board: $changed"

xs_close_quietly "$window" "$pid" "$XS_WORK/out.log"
[ -z "${KEEP_SHOTS:-}" ] || cp "$XS_WORK"/*-board.png "$KEEP_SHOTS"/
echo "PASS"
