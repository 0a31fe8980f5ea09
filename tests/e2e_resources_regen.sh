#!/usr/bin/env bash
# The committed resources are exactly what the generator draws: regenerate them
# into a temporary folder and compare every file byte for byte.
# Usage: e2e_resources_regen.sh BUILD_DIR
set -u
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$build" --target resgen >/dev/null || { echo "cannot build the generator" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$build/tools/resgen/resgen" "$tmp/first" || { echo "generator failed" >&2; exit 1; }
"$build/tools/resgen/resgen" "$tmp/second" || { echo "generator failed" >&2; exit 1; }

status=0
count=0
while IFS= read -r -d '' file; do
  rel=${file#"$tmp/first/"}
  count=$((count + 1))
  if ! cmp -s "$file" "$tmp/second/$rel"; then
    echo "not deterministic: $rel" >&2
    status=1
  fi
  if [[ ! -f "$root/resources/$rel" ]]; then
    echo "not committed: resources/$rel" >&2
    status=1
  elif ! cmp -s "$file" "$root/resources/$rel"; then
    echo "differs from the generator's output: resources/$rel" >&2
    status=1
  fi
done < <(find "$tmp/first" -type f -print0)

# Every generated kind of file in resources/ must come from the generator.
while IFS= read -r -d '' file; do
  rel=${file#"$root/resources/"}
  if [[ ! -f "$tmp/first/$rel" ]]; then
    echo "stale, not generated: resources/$rel" >&2
    status=1
  fi
done < <(find "$root/resources" -type f \( -name '*.bmp' -o -name '*.ico' -o -name '*.wav' -o -name '*.rc' \) -print0)

[[ $count -ge 46 ]] || { echo "generator wrote only $count files" >&2; status=1; }
[[ $status -eq 0 ]] && echo "resources: $count files match the generator"
exit $status
