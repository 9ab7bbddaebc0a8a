#!/usr/bin/env bash
# Monkey test: the real game under Xvfb takes random mouse presses over its board and random
# menu commands (games of random Themes and Difficulties, hints, shuffles, pause, sound switches,
# backgrounds, help and about, hinted pairs clicked), with every box answered as it appears.
# It must end alive and answering, its peak resident memory below what a player would feel
# (120 MiB). Leaks are the sanitizer build's job: memory read between random walks also grows as
# caches fill, which no ratio can tell from a leak.
#   monkey.sh GAME RUNTIME-DIR [PRESSES]
# PRESSES defaults to $LLK_MONKEY_PRESSES, else 5000; LLK_MONKEY_SEED repeats a run.
set -euo pipefail
source "$(dirname "$0")/../support/x_session.bash"
xs_start_screen 1024x768
xs_game_folder "$1" "$2"
runtime_dir=$2
game_dir=$XS_GAME_DIR
presses=${3:-${LLK_MONKEY_PRESSES:-5000}}
seed=${LLK_MONKEY_SEED:-$(( $(date +%s) % 32768 ))}
RANDOM=$seed
echo "monkey: $presses presses, seed $seed (LLK_MONKEY_SEED=$seed repeats this run)"

cp -r "$runtime_dir/Background" "$game_dir/" 2>/dev/null || true
if ! ls "$game_dir/Background/"*.jpg >/dev/null 2>&1; then
  mkdir -p "$game_dir/Background"
  for colour in 30,60,90 90,60,30 60,90,30; do xs_mono_jpeg "$game_dir/Background/bg-$colour.jpg" "rgb($colour)"; done
fi
background_count=$(ls "$game_dir/Background/"*.jpg | wc -l)

# Header band height: presses go to the client area below it, where the board lies.
header=41
client_width=994
difficulty_keys=(e n h v s)
batch=25
commands=0
hinted_pairs=0

fail_with_seed() { xs_fail "$* (seed $seed)"; }

check_alive() {
  xs_game_alive || fail_with_seed "the game ended during the run: $1"
}

start_random_game() {
  local pack=$((RANDOM % 3)) theme=$((RANDOM % 10)) difficulty=${difficulty_keys[RANDOM % 5]}
  xs_menu_keys g "$pack" "$theme" "$difficulty"
}

# Opens a dialog from the Help menu and closes it again, as a player reads and leaves it.
visit_dialog() {
  local key=$1 title=$2 closing=$3 window
  xs_menu_keys h "$key"
  window=$(xs_wait_game_window "$title" 15) || { check_alive "opening $title"; xs_answer_dialogs; return 0; }
  xs_close_with_key "$window" "$closing" 10 || fail_with_seed "the $title window did not close"
}

# Asks for a hint and clicks the two outlined tiles, so that pairs really go and levels move on.
# The blue outlines are found as the regions they enclose in a screenshot of the window.
follow_hint() {
  local shot="$XS_WORK/hint.png" centres
  xs_keys_to_main F5
  sleep 0.3
  import -window "$XS_MAIN_WINDOW" "$shot" 2>/dev/null || return 0
  centres=$(convert "$shot" -fill black +opaque "#0000FF" \
      -define connected-components:verbose=true -connected-components 8 null: 2>/dev/null \
    | awk '$1 != "0:" && $NF == "srgb(0,0,0)" && $4 > 100 && $4 < 10000 {
        split($3, c, ","); printf "mousemove %d %d click --delay 50 1 ", c[1], c[2] }')
  [ -n "$centres" ] || return 0
  hinted_pairs=$((hinted_pairs + 1))
  # The centres are window coordinates; move them onto the screen.
  xdotool $(awk -v dx="$xs_win_x" -v dy="$xs_win_y" '{
      for (i = 1; i <= NF; i++) if ($i == "mousemove") { $(i + 1) += dx; $(i + 2) += dy }
      print }' <<<"$centres")
}

random_command() {
  local downs i
  commands=$((commands + 1))
  case $((RANDOM % 14)) in
  12|13) follow_hint ;;
  0|1|2) start_random_game ;;
  3|4) xs_keys_to_main F5 ;;
  5) xs_keys_to_main F6 ;;
  # Pause, press on the hidden board, resume: the presses must do nothing.
  6) xs_keys_to_main F11; random_presses 5; xs_keys_to_main F11 ;;
  7) xs_keys_to_main space; random_presses 3; xs_keys_to_main space ;;
  8)
    downs=$((3 + RANDOM % background_count)) # past the two switches and the language submenu
    xs_menu_keys s $(for i in $(seq $downs); do printf 'Down '; done) Return ;;
  9) xs_menu_keys s $([ $((RANDOM % 2)) -eq 0 ] && echo Down) Return ;;
  10) visit_dialog h "游戏帮助" Escape ;;
  11) visit_dialog a "关于" Return ;;
  esac
  xs_answer_dialogs
}

# The same quiet state before each memory reading: an Easy game of the first Theme, unpaused.
settle_and_measure() {
  xs_answer_dialogs
  xs_menu_keys g 0 0 e
  sleep 1.5
  xs_answer_dialogs
  sleep 0.5
  awk '/VmRSS/ {print $2}' "/proc/$XS_GAME_PID/status"
}

random_presses() {
  local count=$1 args=() i x y
  for i in $(seq "$count"); do
    x=$((xs_win_x + RANDOM % client_width))
    y=$((xs_win_y + xs_menu_height + header + RANDOM % (xs_client_height - header)))
    # xdotool waits 100 ms after a click unless told otherwise; 10 ms still lets the game keep up.
    args+=(mousemove "$x" "$y" click --delay 10 1)
  done
  xdotool "${args[@]}"
}

run_presses() {
  local total=$1 done_presses=0 n
  while [ $done_presses -lt "$total" ]; do
    n=$(( total - done_presses < batch ? total - done_presses : batch ))
    random_presses "$n"
    done_presses=$((done_presses + n))
    xs_answer_dialogs
    if [ $((RANDOM % 2)) -eq 0 ]; then random_command; fi
    check_alive "after $done_presses presses of this quarter"
  done
}

xs_start_and_find_main_window
started=$(date +%s)
ceiling_kb=$((120 * 1024))
done_presses=0
for quarter in 1 2 3 4; do
  n=$(( presses * quarter / 4 - done_presses ))
  run_presses "$n"
  done_presses=$((done_presses + n))
  rss=$(settle_and_measure)
  echo "after $done_presses presses: VmRSS $rss kB, $commands commands ($hinted_pairs hints followed), $(( $(date +%s) - started )) s"
done

check_alive "at the end"
peak=$(awk '/VmHWM/ {print $2}' "/proc/$XS_GAME_PID/status")
echo "peak resident memory: $peak kB (ceiling $ceiling_kb kB)"
xs_expect_responsive 15
if [ -z "${LLK_MONKEY_NO_CEILING:-}" ]; then
  [ "$peak" -le "$ceiling_kb" ] || fail_with_seed "peak resident memory $peak kB is above $ceiling_kb kB"
fi
xs_close_game 60
echo "monkey passed: alive, answering and closed normally; peak memory $peak kB"
