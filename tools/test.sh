#!/usr/bin/env bash
# Installs what is missing, builds Quorvane and runs every test with no display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
bash tools/printer-setup.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
