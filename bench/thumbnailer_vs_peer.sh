#!/usr/bin/env bash
# Whole-process timing of zorvane-thumbnailer at 256 pixels on the largest fixture module and on
# the same module padded to 200 MB with trailing data, against extracting the same (first)
# group with icoextract and making the PNG of it with Pillow (the system Python, which has it). Goal: at most a tenth of the
# peer's time, and no growth with the padding, in time or in peak resident size.
# "ours" is zorvane-thumbnailer, "theirs" icoextract + Pillow.
# Usage: bench/thumbnailer_vs_peer.sh [BUILD_DIR] [RUNS]     (BEFORE=old zorvane-thumbnailer: timed too)
set -euo pipefail
build=${1:-build}
runs=${2:-11}
thumbnailer="$build/src/thumbnailer/zorvane-thumbnailer"
source "$(dirname "$0")/timing.sh"

module=$(ls -S "$build"/tests/fixtures/*.dll "$build"/tests/fixtures/*.exe | head -1)
cp "$module" "$work/plain.dll"
cp "$module" "$work/padded.dll"
# Real bytes, not a hole: a reader that reads the whole file pays for every one of them.
head -c $((200 * 1024 * 1024)) /dev/urandom >>"$work/padded.dll"

thumbnail() { "$1" -s 256 "$2" "$work/$3.png"; }
theirs() {
  icoextract "$1" "$work/theirs.ico" &&
    /usr/bin/python3 -c 'import sys
from PIL import Image
im = Image.open(sys.argv[1]); im.size = max(im.info["sizes"]); im = im.convert("RGBA"); im.thumbnail((256, 256)); im.save(sys.argv[2])' \
      "$work/theirs.ico" "$work/theirs.png"
}
ours_plain() { thumbnail "$thumbnailer" "$work/plain.dll" ours; }
ours_padded() { thumbnail "$thumbnailer" "$work/padded.dll" ours; }
before_plain() { thumbnail "$BEFORE" "$work/plain.dll" before; }
before_padded() { thumbnail "$BEFORE" "$work/padded.dll" before; }
theirs_plain() { theirs "$work/plain.dll"; }
theirs_padded() { theirs "$work/padded.dll"; }

sides=(ours_plain ours_padded)
has_before && sides+=(before_plain before_padded)
peer=false
command -v icoextract >/dev/null && peer=true && sides+=(theirs_plain theirs_padded)
compare "$runs" "${sides[@]}"

echo "module: $(basename "$module") ($(stat -c %s "$module") bytes)"
header "median of $runs alternating runs"
for side in "${sides[@]}"; do row "${side/_/ }" "$side"; done
ratio_line "ours padded / ours plain" ours_padded ours_plain
has_before && ratio_line "ours / BEFORE (plain)" ours_plain before_plain
if $peer; then
  ratio_line "ours / icoextract + Pillow (plain)" ours_plain theirs_plain
  ratio_line "ours / icoextract + Pillow (padded)" ours_padded theirs_padded
else
  echo "icoextract is not installed (Debian package icoextract): the peer's side is skipped"
fi
echo "peak resident size of ours: plain $(peak_rss_mb "$thumbnailer" -s 256 "$work/plain.dll" "$work/rss.png") MB," \
  "padded $(peak_rss_mb "$thumbnailer" -s 256 "$work/padded.dll" "$work/rss.png") MB"
