#!/usr/bin/env bash
# Fontconfig reads the system's font configuration as the program starts. A configuration that is
# missing or damaged must neither stop nor hang it: fontconfig's own fallbacks take over, the
# window opens with its texts drawn, and the program ends normally when asked.
set -euo pipefail
game=$1
source "$(dirname "$0")/support/x_session.bash"

printf '<?xml version="1.0"?>\n<fontconfig><dir>/usr/share/fonts</di' >"$XS_WORK/damaged.conf"
head -c 3000 /dev/urandom >"$XS_WORK/random.conf"

xs_start_screen 1024x768
for config in "$XS_WORK/damaged.conf" "$XS_WORK/random.conf" "$XS_WORK/missing.conf"; do
  FONTCONFIG_FILE=$config QT_QPA_PLATFORM=xcb "$game" >"$XS_WORK/out.log" 2>&1 &
  pid=$!
  XS_PIDS+=("$pid")
  window=$(xs_wait_window '^岚川连连看$')
  sleep 0.5
  # The header's status texts are yellow: some of them must have been drawn.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "300x24+$((X + 100))+$((Y + HEIGHT - 656 + 10))" "$XS_WORK/header.png"
  yellow=$(convert "$XS_WORK/header.png" -fuzz 20% -fill white -opaque yellow -fill black +opaque white \
           -format '%[fx:int(mean*w*h)]' info:)
  [ "$yellow" -gt 20 ] || xs_fail "no status text drawn with $(basename "$config") ($yellow yellow pixels)"
  xs_close_window "$window"
  xs_wait_exit "$pid" 10
  [ "$XS_STATUS" -eq 0 ] || xs_fail "the program ended with status $XS_STATUS with $(basename "$config")"
  echo "$(basename "$config"): window opened, $yellow pixels of status text, closed normally"
done
echo "PASS"
