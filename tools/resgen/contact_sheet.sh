#!/usr/bin/env bash
# Renders every bitmap and icon of a resource folder into one PNG: first at real
# size on the table's green, then enlarged four times with square pixels.
# Usage: contact_sheet.sh RESOURCES_DIR OUTPUT.png
set -eu
res=$1
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cards=("$res"/cards/card*.bmp)
icons=()
for i in 0 1 2; do
  convert "$res/carvella.ico[$i]" -background '#008000' -flatten "$work/icon$i.png"
  icons+=("$work/icon$i.png")
done
others=("$res/banner_table.bmp" "$res/banner_about.bmp" "$res/dealer.bmp" "${icons[@]}")

sheet() { # scale label_or_empty output files...
  local scale=$1 out=$2
  shift 2
  montage "$@" -filter point -resize "$scale" -background '#008000' -fill white \
    -geometry +4+4 -tile 11x "$out"
}
sheet 100% "$work/real_cards.png" "${cards[@]}"
sheet 100% "$work/real_other.png" "${others[@]}"
sheet 400% "$work/big_cards.png" "${cards[@]}"
montage "${others[@]}" -filter point -resize 400% -background '#008000' -geometry +8+8 -tile 3x \
  "$work/big_other.png"
convert -background '#004000' "$work/real_cards.png" "$work/real_other.png" \
  "$work/big_cards.png" "$work/big_other.png" -gravity west -append "$out"
echo "contact sheet: $out"
