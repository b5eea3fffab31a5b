#!/usr/bin/env bash
# Whole-process comparison: every icon group of a module written by zorvane-cli group FILE all
# and by wrestool -x -t 14, each run into an empty folder; beside them the floor, cp -r of the
# same files into an empty folder. MODULE defaults to the many.dll fixture (160 groups).
#   bench/extract-groups.sh BUILD_DIR [MODULE] [RUNS]     (BEFORE=old zorvane-cli: timed too)
set -euo pipefail
build=$(cd "${1:?usage: extract-groups.sh BUILD_DIR [MODULE] [RUNS]}" && pwd)
# The older form BUILD_DIR RUNS still works.
if [[ ${2:-} =~ ^[0-9]+$ ]]; then set -- "$1" "" "$2"; fi
module=${2:-$build/tests/fixtures/many.dll}
runs=${3:-15}
cli="$build/src/cli/zorvane-cli"
[ -x "$cli" ] || { echo "no zorvane-cli in $build (build it first)" >&2; exit 1; }
[ -f "$module" ] || cmake --build "$build" --target fixtures >/dev/null
command -v wrestool >/dev/null || { echo "wrestool is not installed (package icoutils)" >&2; exit 1; }
source "$(dirname "$0")/timing.sh"

ours() { "$cli" group "$module" all "$out"; }
before() { "$BEFORE" group "$module" all "$out"; }
wrestool_x() { wrestool -x -t 14 "$module" -o "$out"; }
cp_floor() { cp -r "$work/ref/." "$out"; }
prepare() { fresh_out; }

groups=$("$cli" count "$module")
"$cli" group "$module" all "$work/ref" >/dev/null
[ "$(ls "$work/ref" | wc -l)" -eq "$groups" ] || { echo "zorvane-cli wrote the wrong number of files" >&2; exit 1; }
sides=(ours wrestool_x cp_floor)
has_before && sides+=(before)
compare "$runs" "${sides[@]}"

printf 'module: %s (%s bytes, %s groups, %s bytes written)\n' "$module" "$(stat -c %s "$module")" "$groups" \
    "$(du -sb --apparent-size "$work/ref" | cut -f1)"
header "median of $runs alternating runs"
row "zorvane-cli group FILE all DIR" ours
has_before && row "the same, BEFORE" before
row "wrestool -x -t 14 FILE -o DIR" wrestool_x
row "cp -r of the same files (floor)" cp_floor
ratio_line "ratio ours / wrestool (goal: at most 0.12)" ours wrestool_x
ratio_line "ratio ours / cp -r (goal: at most 1.3)" ours cp_floor
has_before && ratio_line "ratio ours / BEFORE" ours before
fresh_out
echo "peak resident size of ours: $(peak_rss_mb "$cli" group "$module" all "$out") MB"
