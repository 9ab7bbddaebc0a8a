#!/usr/bin/env bash
# The real program under Xvfb with a PulseAudio null sink of its own: the music opens a stream
# when a game starts and closes it at pause, the click on a tile opens a stream of its own (the
# script prints how long after the press), the 音效开关 silences the clicks and the 音乐开关 the
# music, and the program prints nothing.
set -euo pipefail
game=$1
source "$(dirname "$0")/../support/x_session.bash"
source "$(dirname "$0")/../support/null_sink.bash"

MUSIC_CHANNELS=1 # the music is mono, the click stereo
CLICK_CHANNELS=2

xs_start_screen 1024x768
ns_start_server
ns_watch_streams

QT_QPA_PLATFORM=xcb "$game" >"$XS_WORK/out.log" 2>&1 &
pid=$!
XS_PIDS+=("$pid")
window=$(xs_wait_window '^岚川连连看$')
eval "$(xdotool getwindowgeometry --shell "$window")"
board_top=$((HEIGHT - 656)) # the board fills the window below the menu bar

# The last event's fields: stamp kind id channels.
last_event() { tail -n 1 "$NS_EVENTS"; }
events() { grep -c . "$NS_EVENTS"; }

xs_click_in "$window" 500 400 # activates the window; no tile there yet
xs_type_keys alt+g 0 0 e              # an Easy game of the first Theme
ns_wait_events 1
read -r _ kind music_id channels < <(last_event)
[ "$kind" = new ] && [ "$channels" = "$MUSIC_CHANNELS" ] || xs_fail "the game's start opened no music stream: $(last_event)"
echo "music stream #$music_id opened with the game"

# Clicks on the top-left tile (cell 2,2: 40 x 40 pixels from 39, 39): each opens a click stream.
# Presses on one tile come more than Qt's double-click interval (0.4 s) apart: a double-click is
# no second click.
click_tile() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local x=$((X + 59)) y=$((Y + board_top + 59))
  xdotool mousemove "$x" "$y"
  sleep 0.6
  PRESS=$(date +%s.%N)
  xdotool click 1
}

latencies=()
for attempt in 1 2 3 4 5; do
  before=$(events)
  click_tile
  deadline=$((SECONDS + 10))
  stamp=""
  while [ $SECONDS -lt $deadline ] && [ -z "$stamp" ]; do
    stamp=$(tail -n +"$((before + 1))" "$NS_EVENTS" | awk -v ch="$CLICK_CHANNELS" '$2 == "new" && $4 == ch { print $1; exit }')
    [ -n "$stamp" ] || sleep 0.02
  done
  [ -n "$stamp" ] || xs_fail "click $attempt opened no stream: $(cat "$NS_EVENTS")"
  latencies+=("$(awk -v a="$PRESS" -v b="$stamp" 'BEGIN { printf "%.1f", (b - a) * 1000 }')")
  # The click's stream closes again before the next press.
  deadline=$((SECONDS + 10))
  while [ "$(ns_open_streams)" -gt 1 ]; do
    [ $SECONDS -lt $deadline ] || xs_fail "the click's stream stayed open"
    sleep 0.05
  done
done
printf 'click stream after the press (ms, press = start of xdotool click):'
printf ' %s' "${latencies[@]}"
echo

# Pause closes the music stream; resuming opens one again.
before=$(events)
xs_type_keys F11
ns_wait_events $((before + 1))
read -r _ kind id _ < <(last_event)
[ "$kind" = remove ] && [ "$id" = "$music_id" ] || xs_fail "pausing left the music playing: $(last_event)"
[ "$(ns_open_streams)" -eq 0 ] || xs_fail "streams open while paused: $(pactl list sink-inputs short)"
xs_type_keys F11
ns_wait_events $((before + 2))
read -r _ kind music_id channels < <(last_event)
[ "$kind" = new ] && [ "$channels" = "$MUSIC_CHANNELS" ] || xs_fail "resuming opened no music stream: $(last_event)"
echo "pause closed the music stream; resuming opened #$music_id"

# With the 音效开关 off a click opens nothing: the next stream to open is the music's, turned on
# again after the click.
xs_type_keys alt+s s alt+s m
ns_wait_events $((before + 3))
read -r _ kind id _ < <(last_event)
[ "$kind" = remove ] && [ "$id" = "$music_id" ] || xs_fail "the 音乐开关 left the music playing: $(last_event)"
click_tile
sleep 0.3
xs_type_keys alt+s m
ns_wait_events $((before + 4))
read -r _ kind _ channels < <(last_event)
[ "$kind" = new ] && [ "$channels" = "$MUSIC_CHANNELS" ] ||
  xs_fail "a click opened a stream with the 音效开关 off, or the 音乐开关 opened none: $(tail -n 2 "$NS_EVENTS")"
echo "the 音效开关 silenced the click; the 音乐开关 closed and reopened the music"

xs_close_quietly "$window" "$pid" "$XS_WORK/out.log"
echo "PASS"
