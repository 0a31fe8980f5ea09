#!/usr/bin/env bash
# A short soak: a few hundred hands of random play on a real game window, with
# the table checked after every step and hand and the footprint watched.
# Usage: e2e_soak.sh BUILD_DIR
set -u
build=$1
exe="$build/bench/carvella_soak.exe"
hands=300
[[ -f "$exe" ]] || { echo "missing $exe" >&2; exit 1; }
out=$(timeout 500 wine "$exe" --hands "$hands" --seed 11 --checkpoint 25 2>/dev/null </dev/null)
rc=$?
out=${out//$'\r'/}
echo "$out"
[[ $rc -eq 0 ]] || { echo "soak exited with $rc" >&2; exit 1; }
# The program's own verdict, and proof that it played every hand asked for.
grep -q '^result: PASS$' <<<"$out" || exit 1
grep -q "^soak: hands=$hands " <<<"$out" || { echo "the soak did not play $hands hands" >&2; exit 1; }
