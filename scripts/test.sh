#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test under Wine
# on a private virtual display. Exits non-zero on any failure or when no test ran.
# BUILD_DIR chooses the build folder (default: build); extra arguments go to ctest.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh" || exit 1

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release >"$build.configure.log" 2>&1 ||
  { cat "$build.configure.log"; exit 1; }
# BUILD_TARGETS limits the build to some targets (default: everything).
targets=()
for t in ${BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build" -j"$(nproc)" "${targets[@]}" 2>&1 | grep -Ev '^\[ *[0-9]+%\]|^Consolidate|^-- ' || true
[[ ${PIPESTATUS[0]} -eq 0 ]] || { echo "build failed" >&2; exit 1; }

source "$root/scripts/wineprefix.sh"
wine_prepare_prefix "$build/wineprefix" || exit 1
wine_start_display
wineserver -p
# Start Wine's own services now, outside CTest: a service started by the first
# test would inherit its output pipe and CTest would wait for it to close.
wine cmd /c exit >/dev/null 2>&1 </dev/null
trap 'wineserver -k 2>/dev/null; wine_stop_display' EXIT

cd "$build" || exit 1
ctest --output-on-failure --no-tests=error "$@"
