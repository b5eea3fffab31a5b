#!/usr/bin/env bash
# Whole-process comparison: every group of a module with 160 groups extracted by
# zorvane-cli and by wrestool, each run RUNS times into a fresh folder.
#   bench/extract-groups.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "${1:?usage: extract-groups.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-20}
cli="$build/src/cli/zorvane-cli"
module="$build/tests/fixtures/many.dll"
[ -x "$cli" ] || { echo "no zorvane-cli in $build (build it first)" >&2; exit 1; }
[ -f "$module" ] || cmake --build "$build" --target fixtures >/dev/null
command -v wrestool >/dev/null || { echo "wrestool is not installed (package icoutils)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Appends wall, user and system seconds of one run of the command (into an empty folder)
# to the log file given first.
time_once() {
    local log=$1
    shift
    rm -rf "$work/out" && mkdir "$work/out"
    /usr/bin/time -a -o "$log" -f '%e %U %S' "$@" >/dev/null 2>&1
}

# The summed wall, user and system seconds of a log.
sums() { awk '{ w += $1; u += $2; s += $3 } END { printf "%f %f %f\n", w, u, s }' "$1"; }

# Prints one line: milliseconds per run of wall, user and system time.
report() {
    read -r wall user sys <<<"$2"
    awk -v n="$runs" -v w="$wall" -v u="$user" -v s="$sys" -v label="$1" \
        'BEGIN { printf "%-32s wall %8.2f   user %7.2f   sys %7.2f   ms per run\n", label, 1000 * w / n, 1000 * u / n, 1000 * s / n }'
}

groups=$("$cli" count "$module")
time_once "$work/check.log" "$cli" group "$module" all "$work/out"
[ "$(ls "$work/out" | wc -l)" -eq "$groups" ] || { echo "zorvane-cli wrote the wrong number of files" >&2; exit 1; }
# The two tools take turns so that a busy machine slows both alike.
: >"$work/ours.log"
: >"$work/theirs.log"
for ((run = 0; run < runs; run++)); do
    time_once "$work/ours.log" "$cli" group "$module" all "$work/out"
    time_once "$work/theirs.log" wrestool -x -t 14 "$module" -o "$work/out"
done
ours=$(sums "$work/ours.log")
theirs=$(sums "$work/theirs.log")

printf 'module: %s (%s bytes, %s groups), %s runs each\n' "$module" "$(stat -c %s "$module")" "$groups" "$runs"
report "zorvane-cli group FILE all DIR" "$ours"
report "wrestool -x -t 14 FILE -o DIR" "$theirs"
read -r ow ou os <<<"$ours"
read -r tw tu ts <<<"$theirs"
awk -v ow="$ow" -v tw="$tw" -v ou="$ou" -v tu="$tu" -v oc="$(echo "$ou + $os" | bc -l)" -v tc="$(echo "$tu + $ts" | bc -l)" \
    'BEGIN { printf "ratio ours / wrestool: wall %.3f, user+sys %.3f, user %.3f (goal: at most 0.1)\n", ow / tw, oc / tc, ou / tu }'
# Both tools create the same 160 files; the system time that costs is the floor of either.
