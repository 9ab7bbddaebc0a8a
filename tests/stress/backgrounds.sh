#!/usr/bin/env bash
# The real game with a crafted Background folder: backgrounds.sh CASE GAME RUNTIME-DIR.
# A folder without pictures ends the game after a clear message; every picture that cannot be
# shown (damaged, huge, deleted since the start) leaves the previous background in place; odd
# file names load like any other. Never a crash, a hang or a frozen window.
set -euo pipefail
case_name=$1
source "$(dirname "$0")/../support/x_session.bash"
xs_start_screen 1024x768
xs_game_folder "$2" "$3"
bg="$XS_GAME_DIR/Background"
# A spot of the client area below the header band that no dialog or menu covers.
probe_x=900
probe_y=600

expect_refusal() {
  xs_start_game
  local box
  box=$(xs_wait_game_window "图片错误" 20) || xs_fail "no picture message for: $1"
  xdotool windowfocus "$box"
  xdotool key Return
  xs_wait_until 10 xs_game_ended || xs_fail "the game did not end after the picture message ($1)"
  echo "refused with the picture message: $1"
}

# Polls, as a busy machine may repaint late; where the previous picture must stay, the callers
# first make the game answer a dialog, so no repaint is still pending.
expect_background() {
  local got deadline=$((SECONDS + 20))
  while true; do
    got=$(xs_client_pixel $probe_x $probe_y)
    xs_colour_near "$got" "$1" && return 0
    [ $SECONDS -le $deadline ] || xs_fail "background at the probe is ($got), expected ($1): $2"
    sleep 0.2
  done
}

case $case_name in
missing)
  expect_refusal "no Background folder" ;;
empty)
  mkdir "$bg"
  expect_refusal "an empty Background folder" ;;
other-types)
  mkdir -p "$bg/文件夹.jpg"
  convert -size 64x64 xc:red "$bg/red.png"
  convert -size 64x64 xc:red "jpg:$bg/red.jpeg"
  convert -size 64x64 xc:red "$bg/red.bmp"
  echo "not a picture" >"$bg/readme.txt"
  ln -s /nonexistent/gone.jpg "$bg/dangling.jpg"
  expect_refusal "only other file types, a folder and a dangling link named .jpg" ;;
damaged)
  mkdir "$bg"
  xs_mono_jpeg "$bg/a-good.jpg" "rgb(200,40,40)"
  head -c 30000 /dev/urandom >"$bg/b-noise.jpg"
  : >"$bg/c-empty.jpg"
  convert -size 64x64 xc:blue "png:$bg/d-png-inside.jpg"
  xs_mono_jpeg "$XS_WORK/whole.jpg" "rgb(40,200,40)"
  head -c 2000 "$XS_WORK/whole.jpg" >"$bg/e-cut.jpg"
  xs_start_and_find_main_window
  xs_choose_background 0
  expect_background "200 40 40" "the good picture"
  for entry in 1 2; do
    xs_choose_background $entry
    xs_expect_responsive 10
    expect_background "200 40 40" "after choosing damaged entry $entry"
  done
  # Pictures are recognised by their content, so a PNG named .jpg is simply shown.
  xs_choose_background 3
  xs_expect_responsive 10
  # A cut-off JPEG decodes as far as its data go (the rest grey); either that or the previous
  # background is a sound answer, as long as the game goes on.
  xs_choose_background 4
  xs_expect_responsive 10
  echo "damaged pictures keep the previous background" ;;
huge)
  mkdir "$bg"
  xs_mono_jpeg "$bg/a-good.jpg" "rgb(40,40,200)"
  # A 16 x 16 JPEG whose frame header claims 20000 x 20000 pixels.
  xs_mono_jpeg "$XS_WORK/small.jpg" "rgb(200,200,40)" 16x16
  sof=$(LC_ALL=C grep -obUaP '\xFF\xC0' "$XS_WORK/small.jpg" | head -n1 | cut -d: -f1)
  [ -n "$sof" ] || xs_fail "no frame header in the small JPEG"
  cp "$XS_WORK/small.jpg" "$bg/b-huge.jpg"
  # Height and width follow the marker, its length and the sample precision; 20000 = 0x4E20.
  printf '\x4E\x20\x4E\x20' | dd of="$bg/b-huge.jpg" bs=1 seek=$((sof + 5)) conv=notrunc status=none
  claimed=$(file -b "$bg/b-huge.jpg")
  [[ $claimed == *", 20000x20000,"* ]] || xs_fail "the forged JPEG is not 20000x20000: $claimed"
  xs_start_and_find_main_window
  xs_choose_background 0
  expect_background "40 40 200" "the good picture"
  xs_choose_background 1
  xs_expect_responsive 20
  rss_kb=$(awk '/VmRSS/ {print $2}' "/proc/$XS_GAME_PID/status")
  [ "$rss_kb" -lt 400000 ] || xs_fail "the game holds ${rss_kb} kB after the huge picture"
  # The game may refuse the picture (the previous one stays) or decode only the corner it shows,
  # which for this forged file holds no data and comes out as the decoder's grey.
  got=$(xs_client_pixel $probe_x $probe_y)
  if xs_colour_near "$got" "40 40 200"; then
    outcome="kept the previous background"
  elif xs_colour_near "$got" "128 128 128"; then
    outcome="showed the decodable corner"
  else
    xs_fail "after the huge picture the probe shows ($got)"
  fi
  echo "a 20000x20000 picture: $outcome; ${rss_kb} kB resident" ;;
odd-names)
  mkdir "$bg"
  # Sorted by name these are the entries 0 to 5; each is a picture of its own colour.
  names=("A&B.jpg" "B(半.jpg" "C(1)(2).jpg" $'D\ttab.jpg' "E😀表情.jpg" "Füße.jpg")
  colours=("200 40 40" "40 200 40" "40 40 200" "200 200 40" "200 40 200" "40 200 200")
  for i in "${!names[@]}"; do
    xs_mono_jpeg "$bg/${names[$i]}" "rgb(${colours[$i]// /,})"
  done
  xs_start_and_find_main_window
  for i in "${!names[@]}"; do
    xs_choose_background "$i"
    expect_background "${colours[$i]}" "entry $i (${names[$i]})"
  done
  xs_expect_responsive 10
  echo "all ${#names[@]} odd names load" ;;
deleted)
  mkdir "$bg"
  xs_mono_jpeg "$bg/a-stays.jpg" "rgb(200,40,40)"
  xs_mono_jpeg "$bg/b-goes.jpg" "rgb(40,200,40)"
  xs_start_and_find_main_window
  xs_choose_background 0
  expect_background "200 40 40" "the first picture"
  rm "$bg/b-goes.jpg"
  xs_choose_background 1
  xs_expect_responsive 10
  expect_background "200 40 40" "after choosing the deleted picture"
  rm -r "$bg"
  xs_choose_background 0
  xs_expect_responsive 10
  expect_background "200 40 40" "after the whole folder went"
  echo "deleted pictures keep the previous background" ;;
*)
  xs_fail "unknown case $case_name" ;;
esac
xs_game_alive || [ "$case_name" = missing ] || [ "$case_name" = empty ] || [ "$case_name" = other-types ] \
  || xs_fail "the game is no longer running"
