#!/usr/bin/env bash
# Whole-process comparison of the picker's tree walk: zorvane-cli scan over a programs
# folder of MODULES fixture modules (with non-module files among them) against a shell
# loop that runs wrestool -l -t 14 on every matching file.
#   bench/scan-tree.sh BUILD_DIR [MODULES] [RUNS]
set -euo pipefail
build=$(cd "${1:?usage: scan-tree.sh BUILD_DIR [MODULES] [RUNS]}" && pwd)
modules=${2:-600}
runs=${3:-5}
cli="$build/src/cli/zorvane-cli"
fixtures="$build/tests/fixtures"
[ -x "$cli" ] || { echo "no zorvane-cli in $build (build it first)" >&2; exit 1; }
[ -f "$fixtures/mixed.dll" ] || cmake --build "$build" --target fixtures >/dev/null
command -v wrestool >/dev/null || { echo "wrestool is not installed (package icoutils)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/Program Files"

# Vendors with nested folders; every fifth module has upper-case extension, and each
# folder also holds a text file, a fake dll and an exe the dll walk must pass over.
sources=(numbered.dll mixed.dll lang.dll pe32.dll named.exe many.dll)
for ((i = 0; i < modules; i++)); do
    dir="$root/Vendor$((i % 23))/App$((i % 7))/lib$((i % 3))"
    mkdir -p "$dir"
    src=${sources[$((i % ${#sources[@]}))]}
    ext=dll
    [ $((i % 5)) -eq 0 ] && ext=DLL
    cp "$fixtures/$src" "$dir/module$i.$ext"
    if [ $((i % 4)) -eq 0 ]; then
        echo "notes $i" >"$dir/readme$i.txt"
        head -c 4096 /dev/urandom >"$dir/fake$i.dll"
        cp "$fixtures/named.exe" "$dir/tool$i.exe"
    fi
done
matching=$(find "$root" -type f -iname '*.dll' | wc -l)
files=$(find "$root" -type f | wc -l)

time_runs() {
    local log="$work/time.log"
    : >"$log"
    for ((r = 0; r < runs; r++)); do
        /usr/bin/time -a -o "$log" -f '%e %U %S' "$@" >/dev/null 2>&1
    done
    awk -v n="$runs" '{ w += $1; c += $2 + $3 } END { printf "%f %f\n", w / n, c / n }' "$log"
}

wrestool_loop() {
    find "$1" -type f -iname '*.dll' -print0 | while IFS= read -r -d '' f; do wrestool -l -t 14 "$f"; done
}
export -f wrestool_loop

listed=$("$cli" scan "$root" dll --tree | wc -l)
ours=$(time_runs "$cli" scan "$root" dll --tree)
theirs=$(time_runs bash -c 'wrestool_loop "$0"' "$root")

printf 'tree: %s files, %s matching *.dll (%s listed with icons), %s runs each\n' "$files" "$matching" "$listed" "$runs"
read -r ow oc <<<"$ours"
read -r tw tc <<<"$theirs"
awk -v w="$ow" -v c="$oc" 'BEGIN { printf "%-36s wall %9.1f ms   cpu %9.1f ms per run\n", "zorvane-cli scan ROOT dll --tree", 1000 * w, 1000 * c }'
awk -v w="$tw" -v c="$tc" 'BEGIN { printf "%-36s wall %9.1f ms   cpu %9.1f ms per run\n", "loop of wrestool -l -t 14", 1000 * w, 1000 * c }'
awk -v ow="$ow" -v tw="$tw" -v oc="$oc" -v tc="$tc" \
    'BEGIN { printf "ratio ours / loop: wall %.4f, cpu %.4f (goal: at most 0.05)\n", ow / (tw > 0 ? tw : 1e-9), oc / (tc > 0 ? tc : 1e-9) }'
