#!/usr/bin/env bash
# About a minute of random real mouse and keyboard input on the real game under
# Wine; the game must stay alive and answering, and end with exit code 0.
# Usage: e2e_random_input.sh BUILD_DIR
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(bash "$root/bench/random_input.sh" "$1" 60 17 2>&1)
rc=$?
echo "$out"
[[ $rc -eq 0 ]] || exit 1
grep -q '^result: PASS$' <<<"$out" || exit 1
# Enough input must really have reached the game for the run to count.
events=$(sed -n 's/.* events=\([0-9]*\) .*/\1/p' <<<"$out")
((${events:-0} >= 100)) || { echo "only ${events:-0} input events were sent" >&2; exit 1; }
