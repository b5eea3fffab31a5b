#!/usr/bin/env bash
# Whole-process timing: our encoder tool against ImageMagick's convert, 256 x 256 24-bit
# input, PNG and GIF output. Usage: bench/compare_convert.sh BUILD_DIR [RUNS]
# (BUILD_DIR configured with -DZORVANE_BENCH=ON). In-process figures: zorvane_bench --benchmark_filter=Encode.
set -euo pipefail
build=$1
runs=${2:-50}
tool="$build/bench/bench_encode"
convert=/usr/bin/convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$convert" -size 256x256 -seed 7 plasma:fractal -type TrueColor "BMP3:$work/in.bmp"

# Milliseconds per run of a command line, averaged over the runs.
time_runs() {
  local start end
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do "$@" >/dev/null; done
  end=$(date +%s%N)
  echo "scale=2; ($end - $start) / 1000000 / $runs" | bc
}

printf '%-6s %12s %16s\n' format "ours (ms)" "ImageMagick (ms)"
for ext in png gif; do
  ours=$(time_runs "$tool" "$work/in.bmp" "$work/ours.$ext")
  theirs=$(time_runs "$convert" "$work/in.bmp" "$work/theirs.$ext")
  printf '%-6s %12s %16s\n' "$ext" "$ours" "$theirs"
done
