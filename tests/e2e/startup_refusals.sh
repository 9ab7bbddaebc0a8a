#!/usr/bin/env bash
# The start-up refusals of the real program: a screen below 1024 x 768 and a program folder
# without background pictures each show their box, and the program ends after OK; a start where
# Qt cannot run prints Qt's reason.
set -euo pipefail
game=$1
source "$(dirname "$0")/support/x_session.bash"

# Runs $1 (a copy of the game or the game) and expects the box titled $2, closed with Enter.
expect_refusal() {
  QT_QPA_PLATFORM=xcb "$1" >"$XS_WORK/out.log" 2>&1 &
  local pid=$!
  XS_PIDS+=("$pid")
  local box
  box=$(xs_wait_window "^$2\$")
  if xdotool search --onlyvisible --name '^岚川连连看$' >/dev/null 2>&1; then
    xs_fail "the main window opened behind '$2'"
  fi
  sleep 0.3
  xs_click_in "$box" 20 20
  sleep 0.2
  xdotool key Return
  xs_wait_exit "$pid" 10
  [ "$XS_STATUS" -ne 0 ] || xs_fail "the program ended with status 0 after '$2'"
  echo "refused with '$2', status $XS_STATUS"
}

xs_start_screen 1023x768
expect_refusal "$game" '分辨率错误'
kill "${XS_PIDS[0]}"
XS_PIDS=()
xs_start_screen 1024x767
expect_refusal "$game" '分辨率错误'

# A copy of the program in a folder of its own: without Background, then with no "*.jpg" in it.
xs_start_screen 1024x768
mkdir "$XS_WORK/alone"
cp "$game" "$XS_WORK/alone/lianliankan"
expect_refusal "$XS_WORK/alone/lianliankan" '图片错误'
mkdir "$XS_WORK/alone/Background"
touch "$XS_WORK/alone/Background/notes.txt" "$XS_WORK/alone/Background/picture.jpeg"
expect_refusal "$XS_WORK/alone/lianliankan" '图片错误'

# Where Qt itself cannot start, the player reads Qt's reason, and the program fails.
for case in "QT_QPA_PLATFORM=no-such-platform" "QT_QPA_PLATFORM=xcb DISPLAY=:no-such-display"; do
  status=0
  (env $case "$game" >"$XS_WORK/out.log" 2>&1) 2>/dev/null || status=$?
  [ "$status" -ne 0 ] || xs_fail "the program ended with status 0 with $case"
  grep -q "platform plugin" "$XS_WORK/out.log" || { cat "$XS_WORK/out.log" >&2; xs_fail "no reason printed with $case"; }
  echo "$case: failed with status $status and said: $(grep -m1 'platform plugin' "$XS_WORK/out.log")"
done
echo "PASS"
