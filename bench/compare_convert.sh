#!/usr/bin/env bash
# Whole-process timing: our encoder tool against ImageMagick's convert, 256 x 256 24-bit
# input, PNG and GIF output. Usage: bench/compare_convert.sh BUILD_DIR [RUNS]
# (BUILD_DIR configured with -DZORVANE_BENCH=ON; BEFORE=old bench_encode: timed too).
# In-process figures: zorvane_bench --benchmark_filter=Encode.
set -euo pipefail
build=$1
runs=${2:-21}
tool="$build/bench/bench_encode"
convert=/usr/bin/convert
source "$(dirname "$0")/timing.sh"

"$convert" -size 256x256 -seed 7 plasma:fractal -type TrueColor "BMP3:$work/in.bmp"

ours() { "$tool" "$work/in.bmp" "$out/ours.$ext"; }
before() { "$BEFORE" "$work/in.bmp" "$out/before.$ext"; }
theirs() { "$convert" "$work/in.bmp" "$out/theirs.$ext"; }
# Each run writes a new file: replacing one costs us a flush to disk first, which keeps the
# old file safe until the new one is whole and which convert, writing in place, does not do.
prepare() { fresh_out; }

sides=(ours theirs)
has_before && sides+=(before)
for ext in png gif; do
    compare "$runs" "${sides[@]}"
    header "$ext, median of $runs alternating runs"
    row "bench_encode" ours
    has_before && row "bench_encode, BEFORE" before
    row "convert" theirs
    ratio_line "ratio ours / convert ($ext)" ours theirs
    has_before && ratio_line "ratio ours / BEFORE ($ext)" ours before
done
