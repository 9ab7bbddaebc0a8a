#!/usr/bin/env bash
# Monkey test: the real game under Xvfb takes random mouse presses over its board and random
# menu commands (games of random Themes and Difficulties, hints, shuffles, pause, sound switches,
# backgrounds, help and about, hinted pairs clicked), with every box answered as it appears.
# It must end alive and answering, its resident memory after the second half no larger than
# after the first.
#   monkey.sh GAME RUNTIME-DIR [PRESSES]
# PRESSES defaults to $LLK_MONKEY_PRESSES, else 5000; LLK_MONKEY_SEED repeats a run.
set -euo pipefail
source "$(dirname "$0")/x11_harness.sh"
harness_init "$1" "$2"
presses=${3:-${LLK_MONKEY_PRESSES:-5000}}
seed=${LLK_MONKEY_SEED:-$(( $(date +%s) % 32768 ))}
RANDOM=$seed
echo "monkey: $presses presses, seed $seed (LLK_MONKEY_SEED=$seed repeats this run)"

cp -r "$runtime_dir/Background" "$game_dir/" 2>/dev/null || true
if ! ls "$game_dir/Background/"*.jpg >/dev/null 2>&1; then
  mkdir -p "$game_dir/Background"
  for colour in 30,60,90 90,60,30 60,90,30; do mono_jpeg "$game_dir/Background/bg-$colour.jpg" "rgb($colour)"; done
fi
background_count=$(ls "$game_dir/Background/"*.jpg | wc -l)

# Header band height: presses go to the client area below it, where the board lies.
header=41
client_width=994
difficulty_keys=(e n h v s)
batch=25
commands=0
hinted_pairs=0

fail_with_seed() { fail "$* (seed $seed)"; }

check_alive() {
  game_alive || fail_with_seed "the game ended during the run: $1"
}

keys_to_main() {
  xdotool windowfocus "$main_window" 2>/dev/null || true
  xdotool key --clearmodifiers "$@"
}

open_menu_item() {
  keys_to_main "alt+$1"
  sleep 0.05
  xdotool key "${@:2}"
}

start_random_game() {
  local pack=$((RANDOM % 3)) theme=$((RANDOM % 10)) difficulty=${difficulty_keys[RANDOM % 5]}
  open_menu_item g "$pack" "$theme" "$difficulty"
}

# Opens a dialog from the Help menu and closes it again, as a player reads and leaves it.
visit_dialog() {
  local key=$1 title=$2 closing=$3 window
  open_menu_item h "$key"
  window=$(wait_window "$title" 15) || { check_alive "opening $title"; answer_dialogs; return 0; }
  close_window "$window" "$closing" 10 || fail_with_seed "the $title window did not close"
}

# Asks for a hint and clicks the two outlined tiles, so that pairs really go and levels move on.
# The blue outlines are found as the regions they enclose in a screenshot of the window.
follow_hint() {
  local shot="$work/hint.png" centres
  keys_to_main F5
  sleep 0.3
  import -window "$main_window" "$shot" 2>/dev/null || return 0
  centres=$(convert "$shot" -fill black +opaque "#0000FF" \
      -define connected-components:verbose=true -connected-components 8 null: 2>/dev/null \
    | awk '$1 != "0:" && $NF == "srgb(0,0,0)" && $4 > 100 && $4 < 10000 {
        split($3, c, ","); printf "mousemove %d %d click --delay 50 1 ", c[1], c[2] }')
  [ -n "$centres" ] || return 0
  hinted_pairs=$((hinted_pairs + 1))
  # The centres are window coordinates; move them onto the screen.
  xdotool $(awk -v dx="$win_x" -v dy="$win_y" '{
      for (i = 1; i <= NF; i++) if ($i == "mousemove") { $(i + 1) += dx; $(i + 2) += dy }
      print }' <<<"$centres")
}

random_command() {
  local downs i
  commands=$((commands + 1))
  case $((RANDOM % 14)) in
  12|13) follow_hint ;;
  0|1|2) start_random_game ;;
  3|4) keys_to_main F5 ;;
  5) keys_to_main F6 ;;
  # Pause, press on the hidden board, resume: the presses must do nothing.
  6) keys_to_main F11; random_presses 5; keys_to_main F11 ;;
  7) keys_to_main space; random_presses 3; keys_to_main space ;;
  8)
    downs=$((2 + RANDOM % background_count))
    open_menu_item s $(for i in $(seq $downs); do printf 'Down '; done) Return ;;
  9) open_menu_item s $([ $((RANDOM % 2)) -eq 0 ] && echo Down) Return ;;
  10) visit_dialog h "游戏帮助" Escape ;;
  11) visit_dialog a "关于" Return ;;
  esac
  answer_dialogs
}

# The same quiet state before each memory reading: an Easy game of the first Theme, unpaused.
settle_and_measure() {
  answer_dialogs
  open_menu_item g 0 0 e
  sleep 1.5
  answer_dialogs
  sleep 0.5
  awk '/VmRSS/ {print $2}' "/proc/$game_pid/status"
}

random_presses() {
  local count=$1 args=() i x y
  for i in $(seq "$count"); do
    x=$((win_x + RANDOM % client_width))
    y=$((win_y + menu_height + header + RANDOM % (client_height - header)))
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
    answer_dialogs
    if [ $((RANDOM % 2)) -eq 0 ]; then random_command; fi
    check_alive "after $done_presses presses of this quarter"
  done
}

start_and_find_main_window
started=$(date +%s)
# Four quarters; the memory readings after the second and the fourth are compared, the others
# are printed to show the trend.
done_presses=0
readings=()
for quarter in 1 2 3 4; do
  n=$(( presses * quarter / 4 - done_presses ))
  run_presses "$n"
  done_presses=$((done_presses + n))
  readings+=("$(settle_and_measure)")
  echo "after $done_presses presses: VmRSS ${readings[-1]} kB, $commands commands ($hinted_pairs hints followed), $(( $(date +%s) - started )) s"
done
rss_first=${readings[1]}
rss_second=${readings[3]}

check_alive "at the end"
expect_responsive 15
# Some slack for allocator pools and caches: a leak per press would grow far past it.
limit=$(( rss_first + rss_first / 20 + 4096 ))
[ "$rss_second" -le "$limit" ] \
  || fail_with_seed "resident memory grew from $rss_first kB to $rss_second kB (limit $limit kB)"
echo "monkey passed: alive and answering, memory $rss_first kB -> $rss_second kB"
