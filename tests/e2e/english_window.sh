#!/usr/bin/env bash
# The real program on an English system (LANG=en_US.UTF-8): the window's caption, its menus, the
# Game menu's first entries and the first screen's line read English. The texts on the screen
# are read back with tesseract's English model.
set -euo pipefail
game=$1
source "$(dirname "$0")/../support/x_session.bash"
command -v tesseract >/dev/null || { echo "SKIP: tesseract is not installed"; exit 77; }
locale -a 2>/dev/null | grep -qx 'en_US.utf8' \
  || xs_fail "the locale en_US.UTF-8 is missing: scripts/install-deps.sh generates it"

# Reads the text of the screen's rectangle $1 (WxH+X+Y), dark text on light or the header's yellow.
read_text() {
  import -window root -crop "$1" +repage "$XS_WORK/part.png"
  if [ "${2:-}" = yellow ]; then
    convert "$XS_WORK/part.png" -fx '(r>0.7 && g>0.7 && b<0.45) ? 0 : 1' -colorspace Gray -scale 200% png:-
  else
    convert "$XS_WORK/part.png" -colorspace Gray -scale 300% png:-
  fi | tesseract - - --psm 7 2>/dev/null | tr -s ' \n' ' '
}

xs_start_screen 1024x768
env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 "$game" >"$XS_GAME_LOG" 2>&1 &
pid=$!
XS_PIDS+=("$pid")
window=$(xs_wait_window '^Lanchuan Lianliankan$')
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_height=$((HEIGHT - 656))
header_painted() {
  [ "$(import -window root -crop "1x1+$((X + 5))+$((Y + menu_height + 5))" -depth 8 txt:- 2>/dev/null \
       | awk 'NR==2 {print $3}')" = "#000000" ]
}
xs_wait_until 30 header_painted || xs_fail "the window was not painted"

menus=""
menus_read() {
  menus=$(read_text "400x${menu_height}+${X}+${Y}")
  [[ "$menus" == *"Game Items Settings Records Help"* ]]
}
xs_wait_until 20 menus_read || xs_fail "the menu bar reads '$menus'"
echo "menu bar: $menus"

line=$(read_text "${WIDTH}x44+${X}+$((Y + menu_height + 326))" yellow)
[[ "$line" == *"Choose a theme and a difficulty from the Game menu to start"* ]] \
  || xs_fail "the first screen's line reads '$line'"
echo "first screen: $line"

# The Game menu opens on its three packs.
xs_click_in "$window" 500 400
xs_type_keys alt+g
packs=""
packs_read() {
  packs=$(read_text "200x24+$((X + 2))+$((Y + menu_height + 2))")
  [[ "$packs" == *"Pack 0"* ]]
}
xs_wait_until 20 packs_read || xs_fail "the Game menu's first entry reads '$packs'"
echo "Game menu: $packs"
xdotool key Escape

xs_close_quietly "$window" "$pid" "$XS_GAME_LOG"
echo "PASS"
