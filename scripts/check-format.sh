#!/usr/bin/env bash
# Checks every tracked C and C++ source against .clang-format; lists the files that differ.
# With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed (scripts/install-deps.sh)" >&2; exit 2; }
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c')
if [[ "${1:-}" == --fix ]]; then
  clang-format -i --style=file "${files[@]}"
  exit 0
fi
status=0
for f in "${files[@]}"; do
  if ! clang-format --style=file --dry-run --Werror "$f" 2>/dev/null; then
    echo "not formatted: $f"
    status=1
  fi
done
[[ $status -eq 0 ]] || echo "check-format: run scripts/check-format.sh --fix" >&2
exit $status
