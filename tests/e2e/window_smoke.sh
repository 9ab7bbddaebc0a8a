#!/usr/bin/env bash
# The real program under Xvfb: its window opens, an Easy game started through the menus' access
# keys deals tiles on the screen, and the window closes on request.
set -euo pipefail
game=$1
source "$(dirname "$0")/support/x_session.bash"

xs_start_screen 1024x768
QT_QPA_PLATFORM=xcb "$game" >"$XS_WORK/out.log" 2>&1 &
pid=$!
XS_PIDS+=("$pid")
window=$(xs_wait_window '^岚川连连看$')
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 994 ] || xs_fail "window width $WIDTH, expected 994"

# The connection to the X server has room for a frame of the whole screen, as far as the
# system allows (the kernel reports twice the size asked for).
frame=$((1024 * 768 * 4))
limit=$(cat /proc/sys/net/core/wmem_max)
wanted=$((2 * (frame < limit ? frame : limit)))
buffer=$(ss -x -m -p | grep -A1 "pid=$pid," | grep -o 'tb[0-9]*' | tr -d tb | sort -n | tail -1)
echo "largest send buffer of the program's sockets: ${buffer:-none} (wanted $wanted)"
[ "${buffer:-0}" -ge "$wanted" ] || xs_fail "the X connection's send buffer is ${buffer:-unknown}, expected $wanted"

# A click on the empty board activates the window and deals nothing.
xs_click_in "$window" 500 400
sleep 0.3
import -window root "$XS_WORK/before.png"

# 游戏(&G) → 第 0 组(&0) → 宠物连连看(&0) → 初级篇(&E)
for key in alt+g 0 0 e; do
  xdotool key "$key"
  sleep 0.3
done
sleep 0.7
import -window root "$XS_WORK/after.png"

# An Easy board of Theme 0 is 7 x 12 tiles of 40 x 40 pixels; most of it must have changed.
board="994x600+$X+$((Y + HEIGHT - 606))"
for shot in before after; do
  convert "$XS_WORK/$shot.png" -crop "$board" +repage "$XS_WORK/$shot-board.png"
done
changed=$(compare -metric AE "$XS_WORK/before-board.png" "$XS_WORK/after-board.png" null: 2>&1 || true)
changed=${changed%% *}
echo "pixels changed on the board: $changed"
[ "${changed%.*}" -gt 60000 ] || xs_fail "no tiles appeared ($changed pixels changed)"

xs_close_window "$window"
xs_wait_exit "$pid" 10
[ "$XS_STATUS" -eq 0 ] || xs_fail "the program ended with status $XS_STATUS"
if [ -s "$XS_WORK/out.log" ]; then
  cat "$XS_WORK/out.log" >&2
  xs_fail "the program printed something"
fi
[ -z "${KEEP_SHOTS:-}" ] || cp "$XS_WORK"/*.png "$KEEP_SHOTS"/
echo "PASS"
