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

# "wall cpu" milliseconds per run of a command line, averaged over the runs; CPU time (user +
# system of the runs) is the steadier figure on a busy machine.
time_runs() {
  local t
  t=$( { /usr/bin/time -f "%e %U %S" bash -c 'for ((i = 0; i < $0; i++)); do "$@" >/dev/null; done' "$runs" "$@"; } 2>&1 )
  echo "$t" | awk -v n="$runs" '{ printf "%.1f %.1f", $1 * 1000 / n, ($2 + $3) * 1000 / n }'
}

printf '%-6s %22s %22s\n' format "ours wall/cpu (ms)" "ImageMagick wall/cpu (ms)"
for ext in png gif; do
  read -r ow oc <<<"$(time_runs "$tool" "$work/in.bmp" "$work/ours.$ext")"
  read -r tw tc <<<"$(time_runs "$convert" "$work/in.bmp" "$work/theirs.$ext")"
  printf '%-6s %22s %22s\n' "$ext" "$ow / $oc" "$tw / $tc"
done
