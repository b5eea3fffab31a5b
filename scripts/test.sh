#!/usr/bin/env bash
# Installs what Zorvane needs, builds the normal and the sanitizer configuration and runs
# every test in both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")

"$root/scripts/build.sh" "$root/build-asan" -DZORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
# Qt keeps some allocations until exit; leaks are looked for by the fuzzing harnesses.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$root/build-asan" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
