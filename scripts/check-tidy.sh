#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the engine's and llk-lab's sources with the compile database
# of BUILD_DIR. The window's sources are left out: with Qt's headers they take too long for ./test.sh.
set -euo pipefail
build=${1:?usage: check-tidy.sh BUILD_DIR}
cd "$(dirname "$0")/.."
command -v clang-tidy >/dev/null || { echo "check-tidy: clang-tidy is not installed (scripts/install-deps.sh)" >&2; exit 2; }
[[ -f "$build/compile_commands.json" ]] || { echo "check-tidy: no compile_commands.json in $build" >&2; exit 2; }
git ls-files 'board/*.cpp' 'linking/*.cpp' 'rules/*.cpp' 'records/*.cpp' 'tools/*.cpp' |
  xargs -n 1 -P "$(nproc)" clang-tidy -p "$build" --quiet 2>/dev/null
