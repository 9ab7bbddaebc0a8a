# The one harness of the tests and benchmarks that run the real program under Xvfb: a private X
# screen, the game in a folder of its own, windows found and waited for, keys and clicks sent with
# xdotool. Sourced, not run. Every wait polls for its condition up to a generous ceiling, so a busy
# machine only makes a test slower.
# A failure prints the game's output and saves a screenshot; with LLK_STRESS_HOLD=1 it also keeps
# the X server and the game up for five minutes to look at.

for xs_tool in Xvfb xdotool convert import python3; do
  command -v "$xs_tool" >/dev/null || { echo "SKIP: $xs_tool is not installed"; exit 77; }
done

XS_WORK=$(mktemp -d)
# The game remembers settings and results: in folders of this run, never the user's.
export XDG_CONFIG_HOME="$XS_WORK/config" XDG_DATA_HOME="$XS_WORK/data"
XS_PIDS=()
XS_GAME_PID=""
XS_GAME_LOG="$XS_WORK/game.log"
xs_client_height=656
xs_menu_height=0

xs_cleanup() {
  local pid
  for pid in "${XS_PIDS[@]}"; do
    kill -9 "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$XS_WORK"
}
trap xs_cleanup EXIT

xs_fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then
    local shot="${TMPDIR:-/tmp}/llk-x-failure-$$.png"
    import -window root "$shot" 2>/dev/null && echo "screen at the failure: $shot" >&2
    if [ -n "${LLK_STRESS_HOLD:-}" ]; then echo "holding DISPLAY=$DISPLAY pid $XS_GAME_PID" >&2; sleep 300; fi
  fi
  if [ -s "$XS_GAME_LOG" ]; then
    echo "--- game output:" >&2
    tail -n 40 "$XS_GAME_LOG" >&2
  fi
  exit 1
}

# Polls `command...` every 0.1 s until it succeeds or $1 seconds have passed.
xs_wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# Starts Xvfb with a screen of $1 (e.g. 1024x768) and exports DISPLAY. Xvfb picks a free display
# itself (-displayfd): probing for a free number races with other tests starting their own. It
# must not reset when its last client leaves (-noreset): a program started during the reset
# cannot connect and aborts.
xs_start_screen() {
  local numberFile="$XS_WORK/display-${#XS_PIDS[@]}"
  exec 3>"$numberFile"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset >"$XS_WORK/xvfb-${#XS_PIDS[@]}.log" 2>&1 &
  local pid=$!
  exec 3>&-
  XS_PIDS+=("$pid")
  xs_wait_until 30 test -s "$numberFile" || xs_fail "no Xvfb display could be started"
  export DISPLAY=":$(head -n 1 "$numberFile")"
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
  # A desktop session's runtime folder, private to the test: no sound server is found in it.
  export XDG_RUNTIME_DIR="$XS_WORK/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}

# Prints the id of the first visible window whose name matches the regular expression $1,
# waiting up to $2 seconds (default 20); fails when none appears.
xs_wait_window() {
  local deadline=$((SECONDS + ${2:-20}))
  local id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  xs_fail "no window named '$1' appeared"
}

# Presses each key in turn, as a player types through menus: a key pressed before the menu it
# belongs to has opened would go elsewhere.
xs_type_keys() {
  local key
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.3
  done
}

# Clicks at ($2, $3) inside window $1: without a window manager this is what activates it.
xs_click_in() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}

# Asks window $1 to close, as a window manager's close button does (WM_DELETE_WINDOW).
xs_close_window() {
  python3 - "$1" <<'PY'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
display = x.XOpenDisplay(None)
if not display:
    sys.exit("no X display")
window = ctypes.c_ulong(int(sys.argv[1]))

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

class Event(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]

event = Event()
event.client.type = 33  # ClientMessage
event.client.display = display
event.client.window = window
event.client.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.client.format = 32
event.client.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XSendEvent(display, window, 0, 0, ctypes.byref(event))
x.XFlush(display)
PY
}

# Waits up to $2 seconds for our child process $1 to end and sets XS_STATUS to its exit status.
# (Not in a command substitution: only this shell can wait for its own children.)
xs_wait_exit() {
  local deadline=$((SECONDS + $2))
  while kill -0 "$1" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || xs_fail "the program did not end"
    sleep 0.1
  done
  XS_STATUS=0
  wait "$1" || XS_STATUS=$?
}

# Closes window $1 of our child process $2 as a window manager would and expects the program to
# end with status 0 within 30 seconds, having printed nothing into file $3.
xs_close_quietly() {
  xs_close_window "$1"
  xs_wait_exit "$2" 30
  [ "$XS_STATUS" -eq 0 ] || xs_fail "the program ended with status $XS_STATUS"
  if [ -s "$3" ]; then
    cat "$3" >&2
    xs_fail "the program printed something"
  fi
}

# A JPEG of one colour: xs_mono_jpeg FILE COLOUR [SIZE].
xs_mono_jpeg() {
  convert -size "${3:-1024x768}" "xc:$2" -quality 90 "jpg:$1"
}

# Copies the game ($1) and the Help.txt of its build folder ($2) into a folder of its own,
# $XS_GAME_DIR, where a test lays out the Background folder it needs.
xs_game_folder() {
  XS_GAME_DIR="$XS_WORK/game"
  mkdir -p "$XS_GAME_DIR"
  cp "$1" "$XS_GAME_DIR/lianliankan"
  if [ -f "$2/Help.txt" ]; then cp "$2/Help.txt" "$XS_GAME_DIR/"; fi
}

# Starts the game of $XS_GAME_DIR as our child, its output in $XS_GAME_LOG.
xs_start_game() {
  (cd "$XS_WORK" && exec "$XS_GAME_DIR/lianliankan" >"$XS_GAME_LOG" 2>&1 </dev/null) &
  XS_GAME_PID=$!
  XS_PIDS+=("$XS_GAME_PID")
}

# Builtins only: the monkey test asks this thousands of times on a busy machine.
xs_game_alive() {
  local pid comm state
  kill -0 "$XS_GAME_PID" 2>/dev/null || return 1
  read -r pid comm state _ <"/proc/$XS_GAME_PID/stat" 2>/dev/null || return 1
  [ "$state" != Z ]
}

# Visible, named top-level windows of the game, one id per line.
xs_game_windows() {
  xdotool search --all --onlyvisible --pid "$XS_GAME_PID" --name '.' 2>/dev/null || true
}

# Waits up to $2 seconds (default 10) for a visible window of the game titled exactly $1 and
# prints its id; returns 1 when none appears or the game has ended.
xs_wait_game_window() {
  local title=$1 ids deadline=$((SECONDS + ${2:-10}))
  while [ $SECONDS -le $deadline ]; do
    ids=$(xdotool search --all --onlyvisible --pid "$XS_GAME_PID" --name "^${title}\$" 2>/dev/null || true)
    if [ -n "$ids" ]; then echo "${ids%%$'\n'*}"; return 0; fi
    xs_game_alive || return 1
    sleep 0.05
  done
  return 1
}

xs_window_gone() {
  [[ $'\n'"$(xs_game_windows)"$'\n' != *$'\n'"$1"$'\n'* ]]
}

# Closes window $1 with key $2, pressing it again each second until the window has gone: a key
# sent while the window is still being mapped can miss it.
xs_close_with_key() {
  local id=$1 key=$2 deadline=$((SECONDS + ${3:-10}))
  while [ $SECONDS -le $deadline ]; do
    xdotool windowfocus "$id" 2>/dev/null || true
    xdotool key --clearmodifiers "$key" 2>/dev/null || true
    xs_wait_until 1 xs_window_gone "$id" && return 0
  done
  return 1
}

xs_game_ended() { ! xs_game_alive; }

# Starts the game and waits for its main window, sets the window's place and its menu bar's
# height, and clicks it once so that it takes the keyboard.
xs_start_and_find_main_window() {
  xs_start_game
  XS_MAIN_WINDOW=$(xs_wait_game_window "岚川连连看" 30) || xs_fail "the main window did not appear"
  eval "$(xdotool getwindowgeometry --shell "$XS_MAIN_WINDOW")"
  xs_win_x=$X
  xs_win_y=$Y
  xs_menu_height=$((HEIGHT - xs_client_height))
  xdotool mousemove $((xs_win_x + 20)) $((xs_win_y + xs_menu_height + 20)) click 1
}

# Windows of the game other than the main window (message boxes and dialogs).
xs_dialog_windows() {
  local w
  for w in $(xs_game_windows); do
    [ "$w" = "$XS_MAIN_WINDOW" ] || echo "$w"
  done
}

# Answers every open box or dialog as a player would: Return, then Escape for those still open.
xs_answer_dialogs() {
  local w open
  open=$(xs_dialog_windows)
  [ -n "$open" ] || return 0
  for w in $open; do
    xdotool windowfocus "$w" key --clearmodifiers Return 2>/dev/null || true
  done
  sleep 0.1
  for w in $(xs_dialog_windows); do
    xdotool windowfocus "$w" key --clearmodifiers Escape 2>/dev/null || true
  done
}

# Sends keys to the main window: xs_keys_to_main KEY...
xs_keys_to_main() {
  xdotool windowfocus "$XS_MAIN_WINDOW" 2>/dev/null || true
  xdotool key --clearmodifiers "$@"
}

# Opens menu alt+$1 of the main window, then presses the keys that follow.
xs_menu_keys() {
  xs_keys_to_main "alt+$1"
  sleep 0.2 # keys typed before the menu has opened would go to the window
  xdotool key "${@:2}"
}

# The game answers within $1 seconds: the about window opens from the Help menu and closes again.
xs_expect_responsive() {
  local seconds=${1:-10} about
  xs_answer_dialogs
  xs_menu_keys h a
  about=$(xs_wait_game_window "关于" "$seconds") \
    || xs_fail "the game did not open its about window within ${seconds}s"
  xs_close_with_key "$about" Return "$seconds" || xs_fail "the about window did not close"
}

# Chooses background entry $1 (0 = the first picture) from the Settings menu.
xs_choose_background() {
  local keys=() i
  # The first entry under the cursor is the music switch, then the effects switch and the
  # language submenu; the separator is skipped.
  for i in $(seq $(($1 + 3))); do keys+=(Down); done
  xs_menu_keys s "${keys[@]}" Return
}

# The colour of the main window's client pixel (x, y below the menu bar) as "R G B".
xs_client_pixel() {
  import -window "$XS_MAIN_WINDOW" -crop "1x1+$1+$(($2 + xs_menu_height))" -depth 8 txt:- 2>/dev/null \
    | awk 'NR==2 {gsub(/[()]/, "", $2); split($2, c, ","); print c[1], c[2], c[3]}'
}

# Checks that a colour "R G B" is within 24 of each channel of $2 "R G B".
xs_colour_near() {
  local -a got exp
  read -r -a got <<<"$1"
  read -r -a exp <<<"$2"
  local i d
  for i in 0 1 2; do
    d=$(( ${got[i]:-999} - ${exp[i]} ))
    [ ${d#-} -le 24 ] || return 1
  done
}

# Closes the main window as a window manager would and expects the game to end normally within
# $1 seconds: status 0 (a sanitizer build reports its findings by another status).
xs_close_game() {
  xs_answer_dialogs
  xs_close_window "$XS_MAIN_WINDOW"
  xs_wait_exit "$XS_GAME_PID" "${1:-30}"
  [ "$XS_STATUS" -eq 0 ] || xs_fail "the game ended with status $XS_STATUS when closed"
}
