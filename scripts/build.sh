#!/usr/bin/env bash
# Configures and builds one configuration of CMakePresets.json: build.sh PRESET [cmake options...]
set -euo pipefail
preset=$1
shift
cd "$(dirname "$0")/.."
cmake --preset "$preset" "$@" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
