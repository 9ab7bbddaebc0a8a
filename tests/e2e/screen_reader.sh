#!/usr/bin/env bash
# The board as a screen reader sees it over AT-SPI: the real program under Xvfb on a session bus
# of its own with the accessibility bus; an Easy game started from the keyboard offers its 84
# Cells by their pictures' names, each name an even number of times, and Right then Return
# leaves one Cell selected.
set -euo pipefail
game=$1
for tool in dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
if [ -z "${LLK_OWN_SESSION_BUS:-}" ]; then
  LLK_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/../support/x_session.bash"

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$XS_WORK/at-spi.log" 2>&1 &
XS_PIDS+=("$!")
xs_start_screen 1024x768
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$game" >"$XS_GAME_LOG" 2>&1 &
XS_GAME_PID=$!
XS_PIDS+=("$XS_GAME_PID")
window=$(xs_wait_window '^岚川连连看$' 30)
XS_MAIN_WINDOW=$window
sleep 1
xs_click_in "$window" 500 400 # takes the keyboard; the empty board deals nothing
sleep 0.5
# 游戏(&G) → 第 0 组(&0) → 宠物连连看(&0) → 初级篇(&E)
xs_type_keys alt+g 0 0 e
sleep 1

read_board() {
  /usr/bin/python3 - "$1" <<'PY'
import sys, collections
import pyatspi

def walk(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)

desktop = pyatspi.Registry.getDesktop(0)
apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
app = next((a for a in apps if a is not None and a.name == "lianliankan"), None)
if app is None:
    sys.exit("no application named lianliankan on the accessibility bus")
cells = [n for n in walk(app) if n.getRoleName() == "table cell"]
names = collections.Counter(c.name for c in cells if c.name and c.name != "空")
selected = [c.name for c in cells if c.getState().contains(pyatspi.STATE_SELECTED)]
named = sum(names.values())
print(f"cells {len(cells)}, named {named}, kinds {len(names)}, selected {selected}")
if sys.argv[1] == "dealt":
    odd = [n for n, k in names.items() if k % 2]
    if named < 84 or odd:
        sys.exit(f"expected at least 84 named cells, each name an even number of times; odd: {odd}")
    texts = [n.name for n in walk(app)]
    if "15" in texts:
        sys.exit("the hidden Text1 is offered")
elif len(selected) != 1:
    sys.exit(f"expected one selected cell, found {len(selected)}")
PY
}
xs_wait_until 30 read_board dealt >"$XS_WORK/read.log" 2>&1 || { cat "$XS_WORK/read.log" >&2; xs_fail "the screen reader did not find the board"; }
tail -n 1 "$XS_WORK/read.log"

xs_keys_to_main Right
sleep 0.3
xs_keys_to_main Return
xs_wait_until 20 read_board selected >"$XS_WORK/read.log" 2>&1 || { cat "$XS_WORK/read.log" >&2; xs_fail "Right and Return selected no cell"; }
tail -n 1 "$XS_WORK/read.log"
xs_close_game
echo "PASS"
