#!/usr/bin/env bash
# carvella.exe under Wine: the green table appears, "GIOCA" clicked with the
# real mouse deals the hand, and the screenshot shows the cards where they belong.
source "$(dirname "$0")/e2e_game_common.bash"

start_game
cp "$shot" "$build/e2e_game_idle.png"
# Idle: nineteen backs, all alike; the action row disabled.
for place in "68 183" "225 40" "445 183" "5 329" "572 329"; do
  [[ $(differing 5 183 $place) == 0 ]] || fail "slot at $place is not the card back"
done
button_enabled 105 435 && fail "PASSO is enabled before a hand"

click 562 40
sleep 1
snap
cp "$shot" "$build/e2e_game_dealt.png"
# The computer players' nine backs stay; the human's three faces sit under PC 2's.
for place in "5 183" "68 183" "131 183" "225 40" "288 40" "351 40" "445 183" "508 183" "571 183"; do
  [[ $(differing 5 183 $place) == 0 ]] || fail "computer slot at $place is not a back"
done
for x in 225 288 351; do
  at_least "$(differing 5 183 $x 329)" 500 || fail "human card at $x, 329 is not face up"
done
# The rest of the bottom row is empty table, but for the dealer marker when
# the human deals (at 418, 335, 33 x 33).
at_least "$(share_of 'rgb(0,128,0)' 5 329 219 101)" 0.999 || fail "left bottom row not empty"
at_least "$(share_of 'rgb(0,128,0)' 452 329 183 101)" 0.999 || fail "right bottom row not empty"
# The marker sits by one of the four seats.
marker_seen=false
for place in "10 289" "418 105" "597 289" "418 335"; do
  at_least 0.9 "$(share_of 'rgb(0,128,0)' $place 33 33)" && marker_seen=true
done
$marker_seen || fail "no dealer marker on the table"
# The status line names the first player.
at_least "$(share_of 'rgb(0,128,0)' 60 290 520 35)" 0.999 && fail "the status line is empty"
kill -0 "$game_pid" || fail "carvella.exe is not running"
echo "e2e_game_start: table dealt as expected"
