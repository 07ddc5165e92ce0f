#!/usr/bin/env bash
# Builds Quorvane and the scripted screenshot session, plays that session on a
# virtual display over the bundled question set and writes a picture of every
# screen to docs/screenshots/ (or the folder given as the first argument). With
# a language as the second argument ("fr", "de") it pictures the start screen
# and the game in that language, as start-screen-fr.png and game-fr.png.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build build -j"$(nproc)" --target quorvane-screenshots bundled_set
mkdir -p "$out"
# A real X server gives the fonts and rendering a user sees; Liberation Sans
# and Serif stand in for the fonts the screens ask for.
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 \
    build/tools/screenshots/quorvane-screenshots \
    "build/quorvane/Questions/General Knowledge.dat" "$out" ${2:+"$2"}
