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

source "$(dirname "$0")/timing.sh"
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

wrestool_loop() {
    find "$1" -type f -iname '*.dll' -print0 | while IFS= read -r -d '' f; do wrestool -l -t 14 "$f" || true; done
}

ours() { "$cli" scan "$root" dll --tree; }
theirs() { wrestool_loop "$root"; }

listed=$("$cli" scan "$root" dll --tree | wc -l)
compare "$runs" ours theirs

printf 'tree: %s files, %s matching *.dll (%s listed with icons)\n' "$files" "$matching" "$listed"
header "median of $runs alternating runs"
row "zorvane-cli scan ROOT dll --tree" ours
row "loop of wrestool -l -t 14" theirs
ratio_line "ratio ours / loop (goal: at most 0.05)" ours theirs
