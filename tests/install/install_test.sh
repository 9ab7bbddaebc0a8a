#!/usr/bin/env bash
# Installs the built game into a temporary prefix (with a space and Chinese characters in its
# path) and checks the tree a desktop needs: the game with its Background folder and Help.txt
# beside it, the launcher, the desktop entry and the icons; then starts the game through the
# launcher from another folder under Xvfb, waits for its window and closes it.
set -euo pipefail
build=$1
source "$(dirname "$0")/../support/x_session.bash"
work=$XS_WORK
prefix="$work/安装 目录"
fail() { xs_fail "$@"; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }

game_dir="$prefix/libexec/lianliankan"
[ -x "$game_dir/lianliankan" ] || fail "no game executable in $game_dir"
ls "$game_dir/Background/"*.jpg >/dev/null 2>&1 || fail "no Background pictures beside the game"
cmp -s "$game_dir/Help.txt" "$build/bin/Help.txt" || fail "Help.txt beside the game differs from the built one"
[ -x "$prefix/bin/lianliankan" ] || fail "no launcher in bin"

desktop="$prefix/share/applications/lianliankan.desktop"
[ -f "$desktop" ] || fail "no desktop entry"
grep -qxF "Exec=\"$prefix/bin/lianliankan\"" "$desktop" || fail "desktop entry does not start the launcher: $(grep Exec= "$desktop")"
grep -qx 'Name=Lanchuan Lianliankan' "$desktop" || fail "desktop entry English name"
grep -qx 'Name\[zh_CN\]=岚川连连看' "$desktop" || fail "desktop entry Chinese name"
grep -qx 'Icon=lianliankan' "$desktop" || fail "desktop entry icon"
grep -qx 'Categories=Game;BoardGame;' "$desktop" || fail "desktop entry categories"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi

for size in 16 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/lianliankan.png"
  [ -f "$icon" ] || fail "no ${size}px icon"
  if command -v identify >/dev/null; then
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "${size}px icon has the wrong size"
  fi
done

# Nothing of the build or test folders may end up installed.
if find "$prefix" -name '*_test' -o -name 'llk-*' -o -name 'llk_*' | grep -q .; then
  fail "build tools or tests installed: $(find "$prefix" -name '*_test' -o -name 'llk-*' -o -name 'llk_*')"
fi

# The launcher starts the installed game from anywhere; a refusal (no Background) would show
# its box instead of the main window.
xs_start_screen 1024x768
cd /
"$prefix/bin/lianliankan" >"$work/run.log" 2>&1 &
pid=$!
XS_PIDS+=("$pid")
window=$(xs_wait_window '^岚川连连看$' 30)
exe=$(readlink -f "/proc/$pid/exe")
[ "$exe" = "$(readlink -f "$game_dir/lianliankan")" ] || fail "launcher ran $exe"
xs_close_window "$window"
xs_wait_exit "$pid" 30
[ "$XS_STATUS" -eq 0 ] || { cat "$work/run.log" >&2; fail "the installed game ended with status $XS_STATUS"; }
echo "installed tree complete; the launcher started $exe, which showed its window and closed normally"
