#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
if [ -x build/bin/lianliankan ]; then
  exec build/bin/lianliankan "$@"
fi
exec build/bin/llk-lab "$@"
