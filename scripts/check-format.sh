#!/usr/bin/env bash
# Fails when a C++ file of the tree is not formatted as .clang-format says; lists those files.
set -euo pipefail
cd "$(dirname "$0")/.."
unformatted=()
while IFS= read -r f; do
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#unformatted[@]} -gt 0 ]; then
  printf 'not formatted (run clang-format -i on them):\n' >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
