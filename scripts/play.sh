#!/usr/bin/env bash
# Builds Carvella and starts it under Wine, in a 1024 x 768 virtual desktop on
# this display. Installs what is missing first (Debian). The game gets a Wine
# prefix of its own under the build folder.
#   scripts/play.sh             play on the current display
#   scripts/play.sh --headless  no display needed: runs the game on a private
#                               virtual display, deals a hand and saves a
#                               screenshot of the table (PNG) in the build folder
# BUILD_DIR chooses the build folder (default: build).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
headless=false
for arg in "$@"; do
  case $arg in
    --headless) headless=true ;;
    *) echo "usage: scripts/play.sh [--headless]" >&2; exit 2 ;;
  esac
done

if ! $headless && [[ -z ${DISPLAY:-} ]]; then
  echo "play: there is no display to show the game on (DISPLAY is not set)." >&2
  echo "play: run 'scripts/play.sh --headless' to play a hand on a virtual display" >&2
  echo "play: and save a screenshot of the table instead." >&2
  exit 1
fi

"$root/scripts/setup.sh" || exit 1
mkdir -p "$build"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release >"$build.configure.log" 2>&1 ||
  { cat "$build.configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)" --target carvella 2>&1 | grep -Ev '^\[ *[0-9]+%\]|^-- ' || true
[[ ${PIPESTATUS[0]} -eq 0 ]] || { echo "play: build failed" >&2; exit 1; }

source "$root/scripts/wineprefix.sh"
wine_prepare_prefix "$build/wineprefix-play" || exit 1
desktop=(explorer /desktop=Carvella,1024x768 "$build/carvella.exe")

if ! $headless; then
  echo "play: starting Carvella"
  wine "${desktop[@]}" >/dev/null 2>&1
  wineserver -w
  exit 0
fi

shot=$build/table.png
wine_start_display
trap 'kill "$game" 2>/dev/null; wineserver -k 2>/dev/null; wine_stop_display' EXIT
wine "${desktop[@]}" >/dev/null 2>&1 &
game=$!
# The table is the 640 x 480 green area; its corner is where the clicks go.
box=
for _ in $(seq 60); do
  import -window root "$shot"
  box=$(convert "$shot" -fill black +opaque 'rgb(0,128,0)' -format '%@' info: 2>/dev/null)
  [[ $box == 640x480+* ]] && break
  sleep 0.5
done
[[ $box == 640x480+* ]] || { echo "play: the game window did not appear" >&2; exit 1; }
corner=${box#640x480+}
x=${corner%+*}
y=${corner#*+}
# "GIOCA": the antes are taken and the first cards dealt.
xdotool mousemove $((x + 562)) $((y + 40)) click 1
sleep 1.5
import -window root "$shot"
echo "play: screenshot of the table saved as $shot"
