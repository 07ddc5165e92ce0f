#!/usr/bin/env bash
# Installs what is missing, builds Quorvane and makes its Debian package,
# build/quorvane_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
cd build
cpack -G DEB
