#!/usr/bin/env bash
# Builds TSL-Q2/Q3 and starts it. Without a radio set up (no serial adapter
# and no port mapping stored) it starts with the simulated radio.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target tslq
exec ./build/src/tslq --simulate-if-no-radio "$@"
