#!/usr/bin/env bash
# Prepares a private Wine prefix for the game and the tests: no Mono or Gecko
# prompts, no crash dialog, and fonts that match what the game asks for.
# Usage: source scripts/wineprefix.sh DIR   (exports WINEPREFIX and friends)
wine_prepare_prefix() {
  local dir=$1
  export WINEPREFIX="$dir"
  export WINEDEBUG=-all
  export WINEARCH=win32
  export WINEDLLOVERRIDES="mscoree,mshtml="
  [[ -f "$dir/.carvella-ready" ]] && return 0
  rm -rf "$dir"
  mkdir -p "$dir"
  wineboot -i >/dev/null 2>&1 || { echo "wine: could not make a prefix in $dir" >&2; return 1; }
  wineserver -w
  local fonts="$dir/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$fonts/" 2>/dev/null
  local reg="$dir/carvella.reg"
  cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Lucida Console"="Liberation Mono"
"Arial"="Liberation Sans"
"Courier New"="Liberation Mono"
REG
  wine regedit "$reg" >/dev/null 2>&1
  wineserver -w
  touch "$dir/.carvella-ready"
}

# Starts a virtual X display with a window manager unless DISPLAY_KEEP is set.
# Sets DISPLAY and XVFB_PID / WM_PID for wine_stop_display.
wine_start_display() {
  local n=90
  while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do
    [[ -e /tmp/.X11-unix/X$n ]] && break
    sleep 0.05
  done
  matchbox-window-manager -use_titlebar no >/dev/null 2>&1 &
  WM_PID=$!
}

wine_stop_display() {
  [[ -n "${WM_PID:-}" ]] && kill "$WM_PID" 2>/dev/null
  [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null
  wait "${WM_PID:-}" "${XVFB_PID:-}" 2>/dev/null
  return 0
}
