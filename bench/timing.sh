# Sourced by the whole-process benchmarks. The machine may be shared and busy, so the
# programs compared take turns run after run (a busy spell slows them alike) and each figure
# is the median of the runs. CPU time (user + system, children included) is the steadier one.
#
#   compare RUNS NAME...  runs the shell functions NAME... RUNS rounds, each once a round in
#                         turn; a function `prepare` (when defined) is called untimed with the
#                         name before each run. Then:
#   median_wall NAME, median_cpu NAME   milliseconds per run
#   header TEXT / row LABEL NAME        a table of the medians
#   ratio_line LABEL A B                A's medians over B's
#   peak_rss_mb CMD...                  the peak resident size of one run
# BEFORE=PROGRAM in the environment names the same program from an older build; a script
# that supports it times it as a third side (see has_before).

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

has_before() { [ -n "${BEFORE:-}" ]; }

# Sets out to a new empty folder. The folders of earlier runs are kept until the end: files
# deleted between runs would make the file system's search for a free inode slow for every
# file created in the next seconds, and that cost, the same for every side, would swamp
# the differences measured.
fresh_out() {
    fresh_count=$((${fresh_count:-0} + 1))
    out="$work/out-$fresh_count"
    mkdir "$out"
}
if has_before && [ ! -x "$BEFORE" ]; then
    echo "BEFORE=$BEFORE is no program" >&2
    exit 1
fi

# "wall cpu" milliseconds of one run of CMD..., its output discarded. The wall clock is
# read to the microsecond (bash's `time` gives whole milliseconds, coarse for a 10 ms run).
time_once() {
    local TIMEFORMAT='%3U %3S' user sys start end
    start=$EPOCHREALTIME
    { time "$@" >/dev/null 2>&1; } 2>"$work/cpu-time" || {
        echo "failed: $*" >&2
        exit 1
    }
    end=$EPOCHREALTIME
    read -r user sys <"$work/cpu-time"
    awk -v a="$start" -v b="$end" -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f %.2f\n", 1000 * (b - a), 1000 * (u + s) }'
}

compare() {
    local runs=$1 name round
    shift
    for name; do : >"$work/times-$name"; done
    for ((round = 0; round < runs; round++)); do
        for name; do
            if declare -F prepare >/dev/null; then prepare "$name"; fi
            time_once "$name" >>"$work/times-$name"
        done
    done
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { printf "%.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
median_wall() { cut -d' ' -f1 "$work/times-$1" | median; }
median_cpu() { cut -d' ' -f2 "$work/times-$1" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", (b > 0 ? a / b : 0) }'; }

header() { printf '%-40s %10s %10s\n' "$1" "wall ms" "cpu ms"; }
row() { printf '%-40s %10s %10s\n' "$1" "$(median_wall "$2")" "$(median_cpu "$2")"; }
ratio_line() {
    echo "$1: wall $(ratio "$(median_wall "$2")" "$(median_wall "$3")"), cpu $(ratio "$(median_cpu "$2")" "$(median_cpu "$3")")"
}

peak_rss_mb() {
    /usr/bin/time -o "$work/rss" -f %M "$@" >/dev/null 2>&1 || {
        echo "failed: $*" >&2
        exit 1
    }
    awk '{ printf "%.1f", $1 / 1024 }' "$work/rss"
}
