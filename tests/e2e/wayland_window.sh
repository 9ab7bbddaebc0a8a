#!/usr/bin/env bash
# The real program as a native Wayland client, with no X server to fall back on: on weston's
# headless back end a 1024 x 768 output shows the window with its menu bar, header and background,
# and a 1023 x 768 output gets the screen-size refusal. Weston's headless back end takes no
# injected input, so play itself is tested under Xvfb.
set -euo pipefail
game=$1
source "$(dirname "$0")/../support/window_picture.bash"

for tool in weston weston-screenshooter convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
  echo "SKIP: Qt's Wayland platform plugin (qt6-wayland) is not installed"
  exit 77
fi

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ -z "${KEEP_SHOTS:-}" ] || cp "$work"/*.png "$KEEP_SHOTS"/ 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts a headless weston with one output of $1 (WxH) in a runtime folder and under a socket of
# its own, and points the clients started after it there.
start_output() {
  local name="llk-wayland-$$-$2"
  export XDG_RUNTIME_DIR="$work/$2-runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  weston --backend=headless-backend.so --use-pixman --no-config --idle-time=0 --debug \
    --socket="$name" --width="${1%x*}" --height="${1#*x}" >"$work/$2-weston.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  local deadline=$((SECONDS + 30))
  until [ -S "$XDG_RUNTIME_DIR/$name" ]; do
    kill -0 "$pid" 2>/dev/null || { cat "$work/$2-weston.log" >&2; fail "weston ended"; }
    [ $SECONDS -lt $deadline ] || fail "weston opened no socket"
    sleep 0.1
  done
  export WAYLAND_DISPLAY="$name"
}

# Saves the compositor's screen as $1.
screenshot() {
  local dir
  dir=$(mktemp -d "$work/shot.XXXXXX")
  (cd "$dir" && weston-screenshooter) >/dev/null 2>&1 || true
  local shot
  shot=$(find "$dir" -name '*.png' | head -n 1)
  [ -n "$shot" ] && mv "$shot" "$1"
  rm -rf "$dir"
  [ -f "$1" ]
}

# Starts the game on the current output; the protocol log shows what it asked the compositor.
start_game() {
  env -u DISPLAY WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland "$game" >"$work/$1.log" 2>&1 &
  game_pid=$!
  pids+=("$game_pid")
}

# The log without the protocol lines: what the game itself printed.
game_output() {
  grep -av '^\[ *[0-9]*\.[0-9]*\] ' "$work/$1.log" || true
}

# Waits until the log shows a toplevel window titled $2 or fails after $3 seconds.
wait_title() {
  local deadline=$((SECONDS + $3))
  until grep -aqF "xdg_toplevel@" "$work/$1.log" && grep -aqF ".set_title(\"$2\")" "$work/$1.log"; do
    kill -0 "$game_pid" 2>/dev/null || { game_output "$1" >&2; fail "the game ended before a window titled $2"; }
    [ $SECONDS -lt $deadline ] || fail "no window titled $2 within $3 s"
    sleep 0.1
  done
}

# Stops the game, which must still be running, and checks that Qt reported no trouble with the
# window system (a request Wayland refuses, a missing protocol). Notes about a missing audio
# device are not this test's business.
stop_game() {
  kill -0 "$game_pid" 2>/dev/null || { game_output "$1" >&2; fail "the game ended by itself"; }
  kill "$game_pid"
  local status=0
  wait "$game_pid" || status=$?
  [ "$status" -eq 143 ] || fail "the game ended with status $status, not by the signal it was sent"
  if game_output "$1" | grep -aiE 'wayland|qpa|xdg|window|screen'; then
    fail "Qt reported trouble with the window system"
  fi
}

echo "== 1024 x 768: the main window"
start_output 1024x768 main
start_game main
wait_title main "岚川连连看" 60
deadline=$((SECONDS + 60))
until screenshot "$work/main.png" && wp_find_time_bar "$work/main.png"; do
  kill -0 "$game_pid" 2>/dev/null || { game_output main >&2; fail "the game ended"; }
  [ $SECONDS -lt $deadline ] || fail "no time bar on the screen within 60 s"
  sleep 0.5
done
echo "time bar at $WP_BAR_X,$WP_BAR_Y, ${WP_BAR_W} x $WP_BAR_H"
problem=$(wp_check_main_window "$work/main.png") || fail "$problem"
grep -aqF '.set_app_id("lianliankan")' "$work/main.log" || fail "the window's application id is not the desktop entry's name"
stop_game main

echo "== 1023 x 768: the screen-size refusal"
start_output 1023x768 small
start_game small
wait_title small "分辨率错误" 60
# The box is drawn in the window colour of Qt's style (#EFEFEF): a message box's size, not a main
# window's.
deadline=$((SECONDS + 60))
until screenshot "$work/small.png" && wp_colour_box "$work/small.png" '#EFEFEF' &&
  [ "$WP_BOX_W" -ge 150 ] && [ "$WP_BOX_W" -le 600 ] && [ "$WP_BOX_H" -ge 60 ] && [ "$WP_BOX_H" -le 300 ]; do
  kill -0 "$game_pid" 2>/dev/null || { game_output small >&2; fail "the game ended"; }
  [ $SECONDS -lt $deadline ] || fail "no refusal box on the screen within 60 s (last: ${WP_BOX_W:-no} x ${WP_BOX_H:-box})"
  sleep 0.5
done
echo "refusal box of ${WP_BOX_W} x $WP_BOX_H at $WP_BOX_X,$WP_BOX_Y"
if wp_find_time_bar "$work/small.png"; then
  fail "the main window opened on a screen that is too small"
fi
grep -aqF '.set_title("岚川连连看")' "$work/small.log" && fail "the main window opened on a screen that is too small"
stop_game small
echo "PASS"
