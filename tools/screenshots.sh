#!/usr/bin/env bash
# Builds Quorvane and the scripted screenshot session, plays that session on a
# virtual display over the bundled question set and writes a picture of every
# screen to docs/screenshots/ (or the folder given as the first argument),
# then the same at twice the scale (-2x) and under a dark theme (-dark). With
# a language as the second argument ("fr", "de") it pictures only the start
# screen and the game in that language, as start-screen-fr.png and game-fr.png.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build build -j"$(nproc)" --target quorvane-screenshots bundled_set
mkdir -p "$out"
# A real X server gives the fonts and rendering a user sees; Liberation Sans
# and Serif stand in for the fonts the screens ask for.
shoot() { # scale factor, then the program's options
    local scale=$1
    shift
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
        env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" "${theme[@]}" \
        build/tools/screenshots/quorvane-screenshots "$@" \
        "build/quorvane/Questions/General Knowledge.dat" "$out"
}
theme=()
if [ -n "${2:-}" ]; then
    shoot 1 --language "$2" --suffix "-$2"
    exit 0
fi
shoot 1
# The same screens on a high-density screen (start-screen-2x.png ...).
shoot 2 --suffix -2x
# And under a dark desktop theme (start-screen-dark.png ...): GTK's Adwaita
# dark where Qt has its GTK platform theme, else a dark palette of its own.
if ls /usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so >/dev/null 2>&1; then
    theme=(QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark)
    shoot 1 --suffix -dark
else
    shoot 1 --suffix -dark --dark
fi
