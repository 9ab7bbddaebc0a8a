# Helpers for the end-to-end scripts: a private Xvfb screen, waiting for windows, closing them.
# Sourced, not run: the tests' glob only takes the scripts beside this folder.

XS_WORK=$(mktemp -d)
# The game remembers settings and results: in folders of this run, never the user's.
export XDG_CONFIG_HOME="$XS_WORK/config" XDG_DATA_HOME="$XS_WORK/data"
XS_PIDS=()

xs_cleanup() {
  local pid
  for pid in "${XS_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$XS_WORK"
}
trap xs_cleanup EXIT

xs_fail() {
  echo "FAIL: $*" >&2
  exit 1
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
  local i
  for i in $(seq 300); do
    [ -s "$numberFile" ] && break
    kill -0 "$pid" 2>/dev/null || xs_fail "Xvfb ended before it was ready"
    sleep 0.1
  done
  [ -s "$numberFile" ] || xs_fail "no Xvfb display could be started"
  XS_PIDS+=("$pid")
  export DISPLAY=":$(head -n 1 "$numberFile")"
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
