#!/usr/bin/env bash
# Whole-process timing of zorvane-thumbnailer at 256 pixels on the largest fixture module and on
# the same module padded to 200 MB with trailing data, against extracting the same (first)
# group with icoextract and making the PNG of it with Pillow (the system Python, which has it). Goal: at most a tenth of the
# peer's time, and no growth with the padding.
# "ours" is zorvane-thumbnailer, "theirs" icoextract + Pillow.
# Usage: bench/thumbnailer_vs_peer.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-10}
thumbnailer="$build/src/thumbnailer/zorvane-thumbnailer"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

module=$(ls -S "$build"/tests/fixtures/*.dll "$build"/tests/fixtures/*.exe | head -1)
cp "$module" "$work/plain.dll"
cp "$module" "$work/padded.dll"
# Real bytes, not a hole: a reader that reads the whole file pays for every one of them.
head -c $((200 * 1024 * 1024)) /dev/urandom >>"$work/padded.dll"

ours() { "$thumbnailer" -s 256 "$1" "$work/ours.png"; }
theirs() {
  icoextract "$1" "$work/theirs.ico" &&
    /usr/bin/python3 -c 'import sys
from PIL import Image
im = Image.open(sys.argv[1]); im.size = max(im.info["sizes"]); im = im.convert("RGBA"); im.thumbnail((256, 256)); im.save(sys.argv[2])' \
      "$work/theirs.ico" "$work/theirs.png"
}

source "$(dirname "$0")/time_runs.sh"

echo "module: $(basename "$module") ($(stat -c %s "$module") bytes), $runs runs each"
printf '%-28s %10s %10s\n' "" "wall ms" "cpu ms"
declare -A cpu
for side in ours theirs; do
  for input in plain padded; do
    [ "$side" = theirs ] && ! command -v icoextract >/dev/null && continue
    read -r w c <<<"$(time_runs "$side" "$work/$input.dll")"
    cpu[$side-$input]=$c
    printf '%-28s %10s %10s\n' "$side $input" "$w" "$c"
  done
done
echo "ours padded / ours plain (CPU): $(echo "scale=3; ${cpu[ours-padded]} / ${cpu[ours-plain]}" | bc)"
if [ -n "${cpu[theirs-plain]:-}" ]; then
  echo "ours / icoextract + Pillow (CPU): plain $(echo "scale=3; ${cpu[ours-plain]} / ${cpu[theirs-plain]}" | bc)," \
    "padded $(echo "scale=3; ${cpu[ours-padded]} / ${cpu[theirs-padded]}" | bc)"
else
  echo "icoextract is not installed (Debian package icoextract): the peer's side is skipped"
fi
