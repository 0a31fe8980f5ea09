#!/usr/bin/env bash
# Installs what the build, the tests and the game need, when it is missing.
# Quiet when everything is there; says what failed and exits non-zero otherwise.
set -u

packages=(
  g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  wine wine32:i386 xvfb xauth fonts-wine fonts-liberation
  matchbox-window-manager xdotool imagemagick
  cmake make googletest
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
log=$(mktemp)
if ! {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
  fi
  "${sudo_cmd[@]}" apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
      --no-install-recommends "${missing[@]}"
} >"$log" 2>&1; then
  tail -n 30 "$log" >&2
  echo "setup: installing ${missing[*]} failed (log above)" >&2
  rm -f "$log"
  exit 1
fi
rm -f "$log"
echo "setup: done"
