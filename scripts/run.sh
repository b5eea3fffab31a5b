#!/usr/bin/env bash
# Installs what Zorvane needs, builds it and starts the application.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" normal
exec "$root/build/src/ui/zorvane"
