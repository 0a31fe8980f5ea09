#!/usr/bin/env bash
# carvella.exe under Wine, played with the real mouse: "GIOCA", the human's
# turns with the buttons and the slider until the "Vincite Mano" summary,
# "Continua", then "Chiudi" answered Yes and the program ending with code 0.
# Screenshots of the table mid-hand, at a showdown and at the summary are
# left in the build folder.
source "$(dirname "$0")/e2e_game_common.bash"

white='rgb(255,255,255)'
summary_shown() {
  at_least "$(share_of "$white" 175 115 30 30)" 0.99 && at_least "$(share_of "$white" 175 375 30 30)" 0.99
}
# A computer player's card face up: only a showdown shows one in the deal rounds.
showdown_shown() {
  local place
  for place in "5 183" "68 183" "131 183" "225 40" "288 40" "351 40" "445 183" "508 183" "571 183"; do
    [[ $(differing 225 329 $place) != 0 && $(differing 5 183 $place) -gt 500 ]] && return 0
  done
  return 1
}

start_game
click 562 40
turns=0
mid=false
showdown=false
deadline=$((SECONDS + 400))
while ! summary_shown; do
  ((SECONDS < deadline)) || fail "no summary within 400 s"
  kill -0 "$game_pid" 2>/dev/null || fail "carvella.exe ended during the hand"
  if button_enabled 105 435; then
    if ! $mid; then cp "$shot" "$build/e2e_game_midhand.png"; mid=true; fi
    if button_enabled 215 435; then
      click 265 455
    else
      # Drag the slider's thumb to the right, then bet what it shows.
      xdotool mousemove $((origin_x + 447)) $((origin_y + 450)) mousedown 1 sleep 0.2 \
        mousemove $((origin_x + 480)) $((origin_y + 450)) sleep 0.2 mouseup 1
      sleep 0.3
      click 375 455
      snap
      # A refused bet leaves the controls on: pass instead.
      button_enabled 105 435 && click 155 455
    fi
    turns=$((turns + 1))
  elif ! $showdown && showdown_shown; then
    cp "$shot" "$build/e2e_game_showdown.png"
    showdown=true
  fi
  sleep 0.7
  snap
done
cp "$shot" "$build/e2e_game_summary.png"
((turns > 0)) || fail "the human never had a turn"
$mid || fail "no mid-hand screenshot"
echo "e2e_game_hand: summary after $turns turns of the human (showdown seen: $showdown)"

# "Continua" deals the next hand: the summary goes away.
click 410 380
sleep 1
snap
summary_shown && fail "the summary stayed after Continua"

# "Chiudi", then Yes (the default button) with the keyboard.
click 562 140
sleep 1
xdotool key Return
for _ in $(seq 40); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.25
done
kill -0 "$game_pid" 2>/dev/null && fail "carvella.exe still runs after Chiudi and Yes"
wait "$game_pid"
code=$?
game_pid=
[[ $code == 0 ]] || fail "carvella.exe ended with code $code"
echo "e2e_game_hand: Chiudi and Yes ended the program with code 0"
