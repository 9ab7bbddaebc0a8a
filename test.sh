#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite on a Release build, then
# the engine's, the window's and the dialogs' tests and a short monkey under AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLLK_ENGINE_ONLY=OFF -DLLK_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"

status=0
echo "== engine, window, dialogs and a short monkey under AddressSanitizer, LeakSanitizer and UBSan"
(
  cd build-asan
  export ASAN_OPTIONS=detect_leaks=1
  export LSAN_OPTIONS="suppressions=$PWD/../tests/support/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --output-on-failure -j "$jobs"
) || status=1
echo "== all tests (Release)"
(cd build && ctest --output-on-failure -j "$jobs") || status=1
exit $status
