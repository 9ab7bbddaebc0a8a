# Shared helpers for the scripts that run the real game under Xvfb: a private X server, a game
# folder of our own making, windows found and keys sent with xdotool. Sourced, not run.
# Every script calls harness_init GAME-EXECUTABLE RUNTIME-DIR first. A failure saves a screenshot;
# with LLK_STRESS_HOLD=1 it also keeps the X server and the game up for five minutes to look at.

harness_init() {
  local tool
  for tool in Xvfb xdotool convert import file; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
  game_exe=$1
  runtime_dir=$2
  work=$(mktemp -d)
  # The game remembers settings and results: in folders of this run, never the user's.
  export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
  game_dir="$work/game"
  mkdir -p "$game_dir"
  cp "$game_exe" "$game_dir/lianliankan"
  if [ -f "$runtime_dir/Help.txt" ]; then cp "$runtime_dir/Help.txt" "$game_dir/"; fi
  game_pid=""
  xvfb_pid=""
  main_window=""
  trap harness_cleanup EXIT
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  local i
  for i in $(seq 400); do
    [ -s "$work/display" ] && break
    sleep 0.05
  done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
}

harness_cleanup() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then kill -9 "$game_pid" 2>/dev/null; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  rm -rf "$work"
}

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ] && [ -n "${xvfb_pid:-}" ]; then
    local shot="${TMPDIR:-/tmp}/llk-stress-failure-$$.png"
    import -window root "$shot" 2>/dev/null && echo "screen at the failure: $shot" >&2
    if [ -n "${LLK_STRESS_HOLD:-}" ]; then echo "holding DISPLAY=$DISPLAY pid $game_pid" >&2; sleep 300; fi
  fi
  if [ -n "${work:-}" ] && [ -f "$work/game.log" ]; then
    echo "--- game output:" >&2
    tail -n 20 "$work/game.log" >&2
  fi
  exit 1
}

# A JPEG of `size` in one colour: mono_jpeg FILE COLOUR [SIZE].
mono_jpeg() {
  convert -size "${3:-1024x768}" "xc:$2" -quality 90 "jpg:$1"
}

# The game runs detached from this shell, so killing it at the end prints no job notice.
start_game() {
  game_pid=$(cd "$work" && bash -c '"$1" >"$2" 2>&1 </dev/null & echo $!' _ "$game_dir/lianliankan" "$work/game.log")
}

# Builtins only: the monkey test asks this thousands of times on a busy machine.
game_alive() {
  local pid comm state
  kill -0 "$game_pid" 2>/dev/null || return 1
  read -r pid comm state _ <"/proc/$game_pid/stat" 2>/dev/null || return 1
  [ "$state" != Z ]
}

# Visible, named top-level windows of the game, one id per line.
game_windows() {
  xdotool search --all --onlyvisible --pid "$game_pid" --name '.' 2>/dev/null || true
}

# Waits up to `seconds` for a visible window of the game titled `title`; prints its id.
wait_window() {
  local title=$1 ids deadline=$((SECONDS + ${2:-10}))
  while [ $SECONDS -le $deadline ]; do
    ids=$(xdotool search --all --onlyvisible --pid "$game_pid" --name "^${title}\$" 2>/dev/null || true)
    if [ -n "$ids" ]; then echo "${ids%%$'\n'*}"; return 0; fi
    game_alive || return 1
    sleep 0.05
  done
  return 1
}

wait_window_gone() {
  local id=$1 deadline=$((SECONDS + ${2:-5}))
  while [ $SECONDS -le $deadline ]; do
    [[ $'\n'"$(game_windows)"$'\n' == *$'\n'"$id"$'\n'* ]] || return 0
    sleep 0.05
  done
  return 1
}

# Closes window `id` with `key`, pressing it again each second until the window has gone: a key
# sent while the window is still being mapped can miss it.
close_window() {
  local id=$1 key=$2 deadline=$((SECONDS + ${3:-10}))
  while [ $SECONDS -le $deadline ]; do
    xdotool windowfocus "$id" 2>/dev/null || true
    xdotool key --clearmodifiers "$key" 2>/dev/null || true
    wait_window_gone "$id" 1 && return 0
  done
  return 1
}

wait_game_end() {
  local deadline=$((SECONDS + ${1:-10}))
  while [ $SECONDS -le $deadline ]; do
    game_alive || return 0
    sleep 0.05
  done
  return 1
}

# Starts the game and waits for its main window; clicks it once so that it takes the keyboard.
start_and_find_main_window() {
  start_game
  main_window=$(wait_window "岚川连连看" 20) || fail "the main window did not appear"
  sleep 0.3
  read -r win_x win_y < <(xdotool getwindowgeometry "$main_window" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
  read -r win_h < <(xdotool getwindowgeometry "$main_window" | awk '/Geometry/ {split($2, g, "x"); print g[2]}')
  menu_height=$((win_h - client_height))
  xdotool mousemove $((win_x + 20)) $((win_y + 40)) click 1
  sleep 0.2
}

# Windows of the game other than the main window (message boxes and dialogs).
dialog_windows() {
  local w
  for w in $(game_windows); do
    [ "$w" = "$main_window" ] || echo "$w"
  done
}

# Answers every open box or dialog as a player would: Return, then Escape for those still open.
answer_dialogs() {
  local w open
  open=$(dialog_windows)
  [ -n "$open" ] || return 0
  for w in $open; do
    xdotool windowfocus "$w" key --clearmodifiers Return 2>/dev/null || true
  done
  sleep 0.1
  for w in $(dialog_windows); do
    xdotool windowfocus "$w" key --clearmodifiers Escape 2>/dev/null || true
  done
}

# The game answers within `seconds`: the about window opens from the Help menu and closes again.
expect_responsive() {
  local seconds=${1:-10} about
  answer_dialogs
  xdotool windowfocus "$main_window" 2>/dev/null || true
  xdotool key --clearmodifiers alt+h
  sleep 0.15
  xdotool key a
  about=$(wait_window "关于" "$seconds") || fail "the game did not open its about window within ${seconds}s ($1)"
  close_window "$about" Return "$seconds" || fail "the about window did not close"
}

# Chooses background entry `index` (0 = the first picture) from the Settings menu.
choose_background() {
  local index=$1 i
  xdotool windowfocus "$main_window" 2>/dev/null || true
  xdotool key --clearmodifiers alt+s
  sleep 0.2
  # The first entry under the cursor is the music switch; the separator is skipped.
  for i in $(seq $((index + 2))); do xdotool key Down; done
  xdotool key Return
  sleep 0.3
}

# The colour of the main window's client pixel (x, y below the menu bar) as "R G B".
client_pixel() {
  local x=$1 y=$2
  import -window "$main_window" -crop "1x1+$x+$((y + menu_height))" -depth 8 txt:- 2>/dev/null \
    | awk 'NR==2 {gsub(/[()]/, "", $2); split($2, c, ","); print c[1], c[2], c[3]}'
}
client_height=656
menu_height=0

# Checks that a colour "R G B" is within 24 of each channel of `expected` "R G B".
colour_near() {
  local -a got exp
  read -r -a got <<<"$1"
  read -r -a exp <<<"$2"
  local i d
  for i in 0 1 2; do
    d=$(( ${got[i]:-999} - ${exp[i]} ))
    [ ${d#-} -le 24 ] || return 1
  done
}
