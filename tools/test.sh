#!/usr/bin/env bash
# Installs what is missing, builds Quorvane and runs every test with no display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
# Ninja keeps both cores busy across targets; a build folder made earlier
# keeps the generator it was made with.
export CMAKE_GENERATOR="${CMAKE_GENERATOR:-Ninja}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
bash tools/printer-setup.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
# A whole game and the manager under the Orca screen reader (skipped, 77,
# when its tools are missing). A real screen reader on a loaded machine can
# lag behind the keys, so a failed run is tried once more; a fault fails both.
status=0
bash tools/screen-reader-check.sh build || status=$?
if ((status == 1)); then
    status=0
    bash tools/screen-reader-check.sh build || status=$?
fi
((status == 0 || status == 77)) || exit "$status"

# The Debian package installed as a user would install it, played by a user
# with a fresh home and removed again (skipped without root or dpkg).
if command -v dpkg >/dev/null; then
    (cd build && cpack -G DEB >/dev/null)
    status=0
    bash tools/install-check.sh "$(ls -t build/quorvane_*.deb | head -n 1)" || status=$?
    ((status == 0 || status == 77)) || exit "$status"
fi

# --- Reliability: every test again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then each fuzz target for 30 seconds. The
# sanitizer build uses clang, whose objects also carry libFuzzer's coverage, so
# the fuzz targets are built in the same tree. Reports go to files as well, so
# one from a child process cannot pass unseen.
reports="$PWD/build-asan/sanitizer-reports"
rm -rf "$reports" && mkdir -p "$reports"
lsan="suppressions=$PWD/tools/lsan-suppressions.txt:print_suppressions=0"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_SANITIZE=ON \
    -DCMAKE_CXX_COMPILER=clang++
cmake --build build-asan -j"$(nproc)"
status=0
ASAN_OPTIONS="detect_leaks=1:log_path=$reports/asan" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan" \
LSAN_OPTIONS="$lsan" \
    ctest --test-dir build-asan --output-on-failure -j"$(nproc)" || status=$?
if compgen -G "$reports/*" >/dev/null; then
    cat "$reports"/* >&2
    echo "sanitizer reports in $reports" >&2
    status=1
fi
((status == 0)) || exit "$status"

# Each fuzz target for 30 seconds, as many at once as there are cores; xargs
# fails if any of them does.
printf '%s\n' setfile cp1252 csvimport | xargs -P "$(nproc)" -n 1 bash tools/fuzz.sh
