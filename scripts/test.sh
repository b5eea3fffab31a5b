#!/usr/bin/env bash
# Installs what Zorvane needs, checks the formatting, builds the normal and the sanitizer
# configuration with warnings as errors and runs every test in both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/check-format.sh"

"$root/scripts/build.sh" normal -DZORVANE_WERROR=ON
(cd "$root/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")

"$root/scripts/build.sh" sanitize -DZORVANE_WERROR=ON
# Qt keeps some allocations until exit; leaks are looked for by the fuzzing harnesses.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$root/build-asan" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
