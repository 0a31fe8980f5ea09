#!/usr/bin/env bash
# Random input on the real game: starts carvella.exe under Wine on the X display
# and, for a given time, sends real mouse clicks, drags and key presses (xdotool)
# over the whole window, its menus and any box that opens. "Uscita" is answered
# with No and About boxes are closed; every few seconds the game window must
# answer WM_NULL and the process must be alive. At the end "Chiudi" and Yes must
# end the game with exit code 0.
# Usage: random_input.sh BUILD_DIR [SECONDS] [SEED]
# Needs DISPLAY (with a window manager) and WINEPREFIX; without DISPLAY it makes
# its own prefix under BUILD_DIR and its own virtual display.
set -u
build=$(cd "${1:?usage: random_input.sh BUILD_DIR [SECONDS] [SEED]}" && pwd)
seconds=${2:-60}
RANDOM=${3:-1}
root=$(cd "$(dirname "$0")/.." && pwd)
game="$build/carvella.exe"
probe="$build/bench/carvella_probe.exe"
for f in "$game" "$probe"; do
  [[ -f "$f" ]] || { echo "missing $f" >&2; exit 1; }
done
if [[ -z "${DISPLAY:-}" ]]; then
  source "$root/scripts/wineprefix.sh"
  wine_prepare_prefix "$build/wineprefix" || exit 1
  wine_start_display
  trap 'wine_stop_display' EXIT
fi
export WINEDEBUG=-all

# How often the game is asked whether it still answers, in seconds.
liveness_every=5
# Seconds between a box showing and the answer.
answer_pause=0.6
# Screen size of the virtual display; random points stay inside it.
screen_w=1024
screen_h=768
# Keys that can never answer a question box with Yes: no Return, no space and no
# "y"/"s" mnemonic, which stand for Yes in English and Italian boxes.
keys=(Tab shift+Tab Left Right Up Down Home End Prior Next Escape F1 F4 F10 alt
  alt+f alt+question alt+F4 a b c d e f g h i j k l m n o p q r t u v w x z
  0 1 2 3 4 5 6 7 8 9 plus minus BackSpace Delete Insert)

events=0 clicks=0 keypresses=0 drags=0 noes=0 abouts=0 checks=0
# The Yes button of the exit question: random clicks never land there.
yes_l=0 yes_t=0 yes_r=0 yes_b=0

fail() {
  echo "FAIL after $events events: $*" >&2
  [[ -n "${pid:-}" ]] && kill "$pid" 2>/dev/null
  exit 1
}

# Lines "window CLASS|TITLE|SHOWN|ENABLED|L T R B" and "button ID|TEXT|L T R B".
windows() { wine "$probe" windows 2>/dev/null; }

# Centre of a button of a top-level window: window_title, button id or text.
button_centre() {
  awk -F'|' -v title="$1" -v key="$2" '
    /^window / { inside = ($2 == title && $3 == "shown") }
    /^button / && inside {
      split($1, head, " "); split($3, r, " ")
      if (head[2] == key || $2 == key) { printf "%d %d %d %d %d %d\n", (r[1]+r[3])/2, (r[2]+r[4])/2, r[1], r[2], r[3], r[4]; exit }
    }' <<<"$(windows)"
}

click_at() { xdotool mousemove "$1" "$2" click 1; }

# Boxes are found through Win32, not by searching the X windows: an X search
# racing with a box being unmapped has made Wine's X11 driver fail with
# BadWindow and end the game with exit code 1.
question_open() { windows | grep -q '^window #32770|Uscita|'; }
about_open() { windows | grep -q '^window [^|]*|Info\.\.\.|shown|'; }

# Answers the exit question with a real click on No; the game must stay.
answer_no() {
  local found
  found=$(button_centre Uscita 7)
  [[ -n "$found" ]] || return 0
  read -r x y _ <<<"$found"
  # A box closed within moments of being mapped can make Wine's X11 driver
  # unmap a window the window manager is still taking over (BadWindow, exit 1);
  # a person never answers that fast.
  sleep "$answer_pause"
  click_at "$x" "$y"
  noes=$((noes + 1))
  for _ in $(seq 50); do
    question_open || return 0
    sleep 0.1
  done
  fail "the exit question did not close on No"
}

close_about() {
  local found
  found=$(button_centre "Info..." OK)
  [[ -n "$found" ]] || return 0
  read -r x y _ <<<"$found"
  click_at "$x" "$y"
  abouts=$((abouts + 1))
  sleep 0.2
}

check_alive() {
  checks=$((checks + 1))
  kill -0 "$pid" 2>/dev/null || { wait "$pid"; fail "the game ended (exit code $?)"; }
  wine "$probe" alive >/dev/null 2>&1 || fail "the game window did not answer WM_NULL"
}

random_point() {
  local x y
  while :; do
    x=$((RANDOM % screen_w)) y=$((RANDOM % screen_h))
    ((x >= yes_l - 4 && x <= yes_r + 4 && y >= yes_t - 4 && y <= yes_b + 4)) || break
  done
  echo "$x $y"
}

random_event() {
  local kind=$((RANDOM % 100)) x y x2
  read -r x y <<<"$(random_point)"
  if ((kind < 55)); then
    click_at "$x" "$y"
    clicks=$((clicks + 1))
  elif ((kind < 60)); then
    xdotool mousemove "$x" "$y" click --repeat 2 1
    clicks=$((clicks + 2))
  elif ((kind < 65)); then
    xdotool mousemove "$x" "$y" click 3
    clicks=$((clicks + 1))
  elif ((kind < 72)); then
    x2=$((x + RANDOM % 200 - 100))
    xdotool mousemove "$x" "$y" mousedown 1 mousemove "$((x2 < 0 ? 0 : x2))" "$y" mouseup 1
    drags=$((drags + 1))
  else
    xdotool key "${keys[RANDOM % ${#keys[@]}]}"
    keypresses=$((keypresses + 1))
  fi
  events=$((events + 1))
}

wine "$game" </dev/null >/dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do
  wine "$probe" alive >/dev/null 2>&1 && break
  sleep 0.2
done
# Let the window manager finish taking the new window over (see answer_pause).
sleep 4
check_alive

# The exit question once on purpose: it shows where Yes sits, and No must keep the game.
read -r x y _ <<<"$(button_centre "Carvella Copyright (C) 2026 Carvella Software" Chiudi)"
[[ -n "${x:-}" ]] || fail "no \"Chiudi\" button"
chiudi_x=$x chiudi_y=$y
click_at "$chiudi_x" "$chiudi_y"
for _ in $(seq 50); do question_open && break; sleep 0.1; done
question_open || fail "\"Chiudi\" did not ask \"Vuoi realmente uscire?\""
read -r _ _ yes_l yes_t yes_r yes_b <<<"$(button_centre Uscita 6)"
answer_no
check_alive

start=$SECONDS
next_check=$((SECONDS + liveness_every))
about_events=0
while ((SECONDS - start < seconds)); do
  random_event
  sleep 0.05
  listing=$(windows)
  grep -q '^window #32770|Uscita|' <<<"$listing" && answer_no
  if grep -q '^window [^|]*|Info\.\.\.|shown|' <<<"$listing"; then
    about_events=$((about_events + 1))
    ((about_events > 3)) && { close_about; about_events=0; }
  fi
  if ((SECONDS >= next_check)); then
    check_alive
    next_check=$((SECONDS + liveness_every))
  fi
done

# Leave the way a user would: no menu or box left open, then "Chiudi" and Yes.
for _ in 1 2 3; do
  xdotool key Escape sleep 0.2 key Escape
  sleep 0.3
  question_open && answer_no
  about_open && close_about
  check_alive
  read -r x y _ <<<"$(button_centre "Carvella Copyright (C) 2026 Carvella Software" Chiudi)"
  click_at "${x:-$chiudi_x}" "${y:-$chiudi_y}"
  for _ in $(seq 30); do question_open && break; sleep 0.1; done
  question_open && break
done
question_open || { windows >&2; fail "\"Chiudi\" did not ask at the end"; }
read -r x y _ <<<"$(button_centre Uscita 6)"
sleep "$answer_pause"
click_at "$x" "$y"
for _ in $(seq 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the game did not end after Yes"
wait "$pid"
code=$?
echo "random input: seconds=$seconds events=$events clicks=$clicks drags=$drags keys=$keypresses" \
  "questions_answered_no=$noes about_boxes_closed=$abouts liveness_checks=$checks exit_code=$code"
[[ $code -eq 0 ]] || { echo "FAIL: exit code $code" >&2; exit 1; }
echo "result: PASS"
