# Shared steps of the end-to-end checks of carvella.exe: start it under Wine in
# a virtual desktop on the test display, click with the real mouse, and read
# the table back from screenshots. Sourced by tests/e2e_game_*.sh.
set -u
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe=$build/carvella.exe
[[ -f $exe ]] || { echo "no $exe" >&2; exit 1; }

# Under scripts/test.sh the prefix and the display exist; alone, make them.
own_display=false
if [[ -z ${WINEPREFIX:-} || -z ${DISPLAY:-} ]]; then
  source "$root/scripts/wineprefix.sh"
  wine_prepare_prefix "$build/wineprefix" || exit 1
  wine_start_display
  own_display=true
fi
export WINEDEBUG=-all

# carvella.exe runs in a virtual desktop of its own, where the table keeps its size.
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v CarvellaE2E /d 1024x768 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\AppDefaults\carvella.exe\Explorer' /v Desktop /d CarvellaE2E /f \
  >/dev/null 2>&1

game_pid=
finish() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null
  # Other checks start carvella.exe as a user would: the desktop setting goes.
  wine reg delete 'HKCU\Software\Wine\AppDefaults\carvella.exe' /f >/dev/null 2>&1
  if $own_display; then
    wineserver -k 2>/dev/null
    wine_stop_display
  fi
}
trap finish EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

shot=$build/e2e_current.png
# Takes a screenshot of the display into $shot.
snap() { import -window root "$shot"; }

# Client-area origin of the game window: the corner of the green table.
origin_x=0
origin_y=0
find_table() {
  local box
  for _ in $(seq 60); do
    snap
    box=$(convert "$shot" -fill black +opaque 'rgb(0,128,0)' -format '%@' info: 2>/dev/null)
    if [[ $box == 640x480+* ]]; then
      origin_x=${box#640x480+}
      origin_y=${origin_x#*+}
      origin_x=${origin_x%+*}
      return 0
    fi
    sleep 0.5
  done
  fail "no 640 x 480 green table on the display (last box: ${box:-none})"
}

start_game() {
  wine "$exe" >/dev/null 2>&1 &
  game_pid=$!
  find_table
}

# Real mouse click at a point of the game window's client area.
click() {
  xdotool mousemove $((origin_x + $1)) $((origin_y + $2)) click 1
  sleep 0.3
}

# Crop of the client area: x y w h [file].
crop() {
  convert "${5:-$shot}" -crop "$3x$4+$((origin_x + $1))+$((origin_y + $2))" +repage png:-
}

# Share (0..1) of the crop's pixels that have the given colour.
share_of() {
  local colour=$1
  shift
  crop "$@" | convert - -fill white -opaque "$colour" -fill black +opaque white \
    -format '%[fx:mean]' info:
}

# Number of pixels in which two crops of the same size differ.
differing() {
  crop "$1" "$2" 63 101 >"$build/e2e_a.png"
  crop "$3" "$4" 63 101 >"$build/e2e_b.png"
  compare -metric AE "$build/e2e_a.png" "$build/e2e_b.png" null: 2>&1 | cut -d' ' -f1
}

at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

# Colour of one pixel of the client area as "r,g,b".
pixel() {
  convert "$shot" -format "%[fx:int(255*p{$((origin_x + $1)),$((origin_y + $2))}.r)],%[fx:int(255*p{$((origin_x + $1)),$((origin_y + $2))}.g)],%[fx:int(255*p{$((origin_x + $1)),$((origin_y + $2))}.b)]" info:
}

# An owner-drawn button is enabled when its frame is black, not the grey 0x696969.
button_enabled() { [[ $(pixel "$1" $(($2 + 20))) == 0,0,0 ]]; }
