#!/usr/bin/env bash
# Whole-process timing of the all-hue series: zorvane-cli hues writing 36 PNG files of a
# 256 x 256 32-bit icon image, against a shell loop of 36 ImageMagick `convert -modulate`
# runs writing the same number of PNG files from the same image.
# Usage: bench/hues_vs_convert.sh [BUILD_DIR] [RUNS]     (BEFORE=old zorvane-cli: timed too)
set -euo pipefail
build=${1:-build}
runs=${2:-5}
cli="$build/src/cli/zorvane-cli"
convert=/usr/bin/convert
source "$(dirname "$0")/timing.sh"

# The input: a 256 x 256 icon with one 32-bit image (varied colours, soft alpha edge), and
# the same pixels as a PNG for convert.
"$convert" -size 256x256 -seed 7 plasma:fractal -alpha set -channel A -fx '0.5+0.5*(1-hypot(i-128,j-128)/181)' \
  +channel "PNG32:$work/in.png"
"$convert" "$work/in.png" -depth 8 "BGRA:$work/in.bgra"
python3 - "$work/in.bgra" "$work/in.ico" <<'PY'
import struct, sys
w = h = 256
raw = open(sys.argv[1], 'rb').read()
rows = [raw[y * w * 4:(y + 1) * w * 4] for y in range(h - 1, -1, -1)]  # bottom-up
mask = bytes(((w + 31) // 32 * 4) * h)
image = struct.pack('<IiiHHIIiiII', 40, w, 2 * h, 1, 32, 0, 0, 0, 0, 0, 0) + b''.join(rows) + mask
with open(sys.argv[2], 'wb') as f:
    f.write(struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', 0, 0, 0, 0, 1, 32, len(image), 22) + image)
PY

series() { "$1" hues "$work/in.ico" 0 0 "$out" --format png --step 10 --count 36; }
ours() { series "$cli"; }
before() { series "$BEFORE"; }
# convert's hue argument is 100 for no change and 0 or 200 for half a turn.
theirs() {
  for ((k = 0; k < 36; k++)); do
    "$convert" "$work/in.png" -modulate "100,100,$(echo "scale=4; 100 + $k * 10 * 100 / 180" | bc)" \
      "PNG32:$out/in-$k.png"
  done
}

# Each run writes into an empty folder, as the first series into a folder does (files
# replaced are flushed to disk before they take the old names; convert writes in place).
prepare() { fresh_out; }
sides=(ours theirs)
has_before && sides+=(before)
compare "$runs" "${sides[@]}"
for folder in "$work"/out-*; do
    [ "$(ls "$folder" | wc -l)" = 36 ] || { echo "file count mismatch in $folder" >&2; exit 1; }
done
header "36 PNG files of a 256 x 256 32-bit image, median of $runs alternating runs"
row "zorvane-cli hues" ours
has_before && row "zorvane-cli hues, BEFORE" before
row "convert -modulate x 36" theirs
ratio_line "ratio ours / convert" ours theirs
has_before && ratio_line "ratio ours / BEFORE" ours before
