#!/usr/bin/env bash
# The real program under Xvfb with no audio server at all: a game starts, tiles are clicked, the
# game pauses and resumes, the sound switches are turned off and on; the game plays on silently,
# prints nothing, and closes normally.
set -euo pipefail
game=$1
source "$(dirname "$0")/../support/x_session.bash"
source "$(dirname "$0")/../support/null_sink.bash"

xs_start_screen 1024x768
ns_no_server
pactl info >/dev/null 2>&1 && xs_fail "an audio server answers at $PULSE_SERVER"

QT_QPA_PLATFORM=xcb "$game" >"$XS_WORK/out.log" 2>&1 &
pid=$!
XS_PIDS+=("$pid")
window=$(xs_wait_window '^岚川连连看$')
eval "$(xdotool getwindowgeometry --shell "$window")"
board_top=$((HEIGHT - 656))

xs_click_in "$window" 500 400
xs_type_keys alt+g 0 0 e
# A row of tiles, one press each: clicks, and links where neighbours match.
for col in 0 1 2 3 4 5 6 7 8 9 10 11; do
  xs_click_in "$window" $((59 + 40 * col)) $((board_top + 59))
  sleep 0.2
done
xs_type_keys F11 F11 alt+s m alt+s s alt+s m alt+s s
xs_click_in "$window" 59 $((board_top + 99))
sleep 0.5
kill -0 "$pid" 2>/dev/null || xs_fail "the program ended without an audio server"
[ "$(xdotool search --onlyvisible --name '^岚川连连看$' | grep -c .)" -eq 1 ] || xs_fail "a second window (a message?) opened"

xs_close_quietly "$window" "$pid" "$XS_WORK/out.log"
echo "PASS"
