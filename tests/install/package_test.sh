#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, appstreamcli and desktop-file-validate,
# unpacks it into a temporary root and starts the unpacked game under Xvfb through its launcher.
set -euo pipefail
build=$1
source_dir=$2
version=$3
source "$source_dir/tests/support/x_session.bash"
source "$source_dir/tests/support/window_picture.bash"

for tool in dpkg-deb dpkg-shlibdeps lintian appstreamcli desktop-file-validate; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

deb="$build/lianliankan_${version}_amd64.deb"
rm -f "$deb"
cmake --build "$build" --target package >"$XS_WORK/package.log" 2>&1 || { cat "$XS_WORK/package.log"; xs_fail "building the package"; }
[ -f "$deb" ] || xs_fail "no $deb"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lianliankan ] || xs_fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || xs_fail "package version $(field Version)"
[ "$(field Section)" = games ] || xs_fail "section $(field Section)"
depends=$(field Depends)
for needed in fonts-noto-cjk qt6-translations-l10n libqt6widgets6 libc6; do
  grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || xs_fail "Depends lacks $needed: $depends"
done
recommends=$(field Recommends)
grep -qE "(^|, )qt6-wayland( |,|$)" <<<"$recommends" || xs_fail "qt6-wayland is not recommended: $recommends"
grep -qE "pulseaudio" <<<"$recommends" || xs_fail "no sound server is recommended: $recommends"
# dpkg removes every file it unpacked: no maintainer script may make others.
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -vxE '|control|md5sums' || true)
[ -z "$scripts" ] || xs_fail "control files besides control and md5sums: $scripts"

echo "== lintian"
lintian_status=0
lintian --fail-on error,warning "$deb" >"$XS_WORK/lintian.log" 2>&1 || lintian_status=$?
grep -v '^running with root privileges' "$XS_WORK/lintian.log" || true
[ "$lintian_status" -eq 0 ] || xs_fail "lintian reports errors or warnings (status $lintian_status)"

root="$XS_WORK/root"
dpkg-deb -x "$deb" "$root"
metainfo=$(find "$root/usr/share/metainfo" -name '*.metainfo.xml')
[ "$(wc -l <<<"$metainfo")" -eq 1 ] || xs_fail "not one metainfo file: $metainfo"
echo "== appstreamcli validate --no-net $(basename "$metainfo")"
appstreamcli validate --no-net "$metainfo" >"$XS_WORK/appstream.log" 2>&1 || { cat "$XS_WORK/appstream.log"; xs_fail "appstreamcli validate"; }
cat "$XS_WORK/appstream.log"
if grep -qE '^[EW]: ' "$XS_WORK/appstream.log"; then
  xs_fail "appstreamcli reports errors or warnings"
fi
# The whole tree: the metainfo file with the desktop entry and icons it points to.
appstreamcli validate-tree --no-net "$root" >"$XS_WORK/appstream-tree.log" 2>&1 ||
  { cat "$XS_WORK/appstream-tree.log"; xs_fail "appstreamcli validate-tree"; }
if grep -qE '^[EW]: ' "$XS_WORK/appstream-tree.log"; then
  cat "$XS_WORK/appstream-tree.log"
  xs_fail "appstreamcli validate-tree reports errors or warnings"
fi
desktop="$root/usr/share/applications/lianliankan.desktop"
desktop-file-validate "$desktop" || xs_fail "desktop-file-validate"
grep -qx 'Exec=/usr/games/lianliankan' "$desktop" || xs_fail "desktop entry: $(grep Exec= "$desktop")"

for file in usr/games/lianliankan usr/games/llk-lab usr/lib/games/lianliankan/lianliankan; do
  [ -x "$root/$file" ] || xs_fail "no executable /$file"
done
ls "$root/usr/lib/games/lianliankan/Background/"*.jpg >/dev/null 2>&1 || xs_fail "no Background pictures beside the game"
[ -L "$root/usr/lib/games/lianliankan/Background" ] || xs_fail "Background beside the game is not a link into /usr/share"
cmp -s "$root/usr/lib/games/lianliankan/Help.txt" "$build/bin/Help.txt" || xs_fail "Help.txt beside the game"
for page in man6/lianliankan.6.gz man6/llk-lab.6.gz zh_CN/man6/lianliankan.6.gz; do
  [ -f "$root/usr/share/man/$page" ] || xs_fail "no manual page $page"
done
for size in 16 32 48 64 128 256; do
  [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/lianliankan.png" ] || xs_fail "no ${size}px icon"
done
[ -f "$root/usr/share/doc/lianliankan/copyright" ] || xs_fail "no copyright file"
if find "$root" -name '*.so' | grep .; then
  xs_fail "shared objects in the package"
fi
echo "llk-lab: $(printf '0 0 0 0\n0 1 1 0\n0 0 0 0\n' | "$root/usr/games/llk-lab" pairs -)"

echo "== the unpacked game under Xvfb, through its launcher"
xs_start_screen 1024x768
cd /
QT_QPA_PLATFORM=xcb "$root/usr/games/lianliankan" >"$XS_WORK/game.log" 2>&1 &
pid=$!
XS_PIDS+=("$pid")
window=$(xs_wait_window '^岚川连连看$' 60)
exe=$(readlink -f "/proc/$pid/exe")
[ "$exe" = "$(readlink -f "$root/usr/lib/games/lianliankan/lianliankan")" ] || xs_fail "the launcher ran $exe"
deadline=$((SECONDS + 60))
until import -window root "$XS_WORK/shot.png" 2>/dev/null && wp_find_time_bar "$XS_WORK/shot.png"; do
  kill -0 "$pid" 2>/dev/null || { cat "$XS_WORK/game.log"; xs_fail "the game ended"; }
  [ $SECONDS -lt $deadline ] || xs_fail "no time bar on the screen within 60 s"
  sleep 0.3
done
problem=$(wp_check_main_window "$XS_WORK/shot.png") || xs_fail "$problem"
xs_close_window "$window"
xs_wait_exit "$pid" 20
[ "$XS_STATUS" -eq 0 ] || { cat "$XS_WORK/game.log"; xs_fail "the game ended with status $XS_STATUS"; }
echo "PASS"
