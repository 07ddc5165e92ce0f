#!/usr/bin/env bash
# Installs the Debian packages Quorvane needs to build, run and test, skipping
# what is already there. Run as root or with sudo available.
set -euo pipefail

packages=(qt6-base-dev qt6-multimedia-dev cmake ninja-build g++ xvfb fonts-liberation2)
packages+=(cups printer-driver-cups-pdf)
# lupdate and lrelease build the translations; Qt's own translations give its
# standard buttons the player's language.
packages+=(qt6-l10n-tools qt6-translations-l10n)
packages+=(libbenchmark-dev)
packages+=(time)
# A font with Arabic letters, so that names in every script reach the certificate.
packages+=(fonts-dejavu-core)
# xvfb-run needs xauth, which xvfb only recommends (tools/screenshots.sh).
packages+=(xauth)
# The sanitizer build, fuzz targets included, is built with clang.
packages+=(clang libclang-rt-14-dev)
# tools/screen-reader-check.sh: the Orca screen reader, the accessibility bus,
# a window manager and a way to press keys on the virtual display.
packages+=(orca at-spi2-core dbus openbox xdotool)
# Tests link with lld.
packages+=(lld)
# The Debian package: dpkg-shlibdeps finds its dependencies, and the tests run
# Debian's checkers on it.
packages+=(dpkg-dev lintian desktop-file-utils appstream)
# tools/install-check.sh plays the installed package by keyboard on Xvfb.
packages+=(xdotool)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
