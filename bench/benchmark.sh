#!/usr/bin/env bash
# Measures the real game under Wine, each figure beside a baseline from the
# same run, and prints them as lines "name: value".
# Usage: bench/benchmark.sh BUILD_DIR
# Needs DISPLAY (with a window manager) and WINEPREFIX; without DISPLAY it makes
# its own prefix under BUILD_DIR and its own virtual display.
# SOAK_HANDS sets the hands of the soak run that gives the engine's pace (300).
set -u
build=$(cd "${1:?usage: benchmark.sh BUILD_DIR}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ -z "${DISPLAY:-}" ]]; then
  source "$root/scripts/wineprefix.sh"
  wine_prepare_prefix "$build/wineprefix" || exit 1
  wine_start_display
  trap 'wine_stop_display' EXIT
fi
export WINEDEBUG=-all
game="$build/carvella.exe"
probe="$build/bench/carvella_probe.exe"
cpu_seconds=10

echo "machine: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
  "$(nproc) cores, $(wine --version), Xvfb 1024x768x24"
echo "executable_bytes: $(stat -c %s "$game")"

wine "$build/bench/carvella_bench.exe" "Z:$game" "Z:$build/bench/minimal_window.exe" \
  --runs 7 --repaints 100 2>/dev/null || exit 1

# The process's time on a CPU (nanoseconds), from the system: Wine reports no
# CPU times of other processes.
on_cpu() { cut -d' ' -f1 "/proc/$1/schedstat"; }
cpu_percent() {
  local before after
  before=$(on_cpu "$1")
  sleep "$cpu_seconds"
  after=$(on_cpu "$1")
  awk -v d=$((after - before)) -v s="$cpu_seconds" 'BEGIN { printf "%.2f", d / (s * 1e9) * 100 }'
}
measure_cpu() {
  local program=$1 label=$2 pid
  wine "$program" </dev/null >/dev/null 2>&1 &
  pid=$!
  sleep 3
  echo "${label}_idle_cpu_percent: $(cpu_percent "$pid") (over $cpu_seconds s)"
  if [[ $label == game ]]; then
    wine "$probe" click GIOCA >/dev/null 2>&1 || echo "could not press GIOCA" >&2
    echo "game_in_hand_cpu_percent: $(cpu_percent "$pid") (over $cpu_seconds s)"
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null
}
measure_cpu "$build/bench/minimal_window.exe" minimal
measure_cpu "$game" game

wine "$build/bench/carvella_soak.exe" --hands "${SOAK_HANDS:-300}" 2>/dev/null </dev/null |
  grep -E '^(startup|soak|result):'
