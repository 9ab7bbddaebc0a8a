#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite on a Release build,
# then the engine's tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLLK_ENGINE_ONLY=ON -DLLK_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"

status=0
echo "== engine under AddressSanitizer and UndefinedBehaviorSanitizer"
(cd build-asan && ctest --output-on-failure -j "$jobs") || status=1
echo "== all tests (Release)"
(cd build && ctest --output-on-failure -j "$jobs") || status=1
exit $status
