#!/usr/bin/env bash
# Installs the Debian package as a user of the system would, then, as a user
# who is not root and has a fresh home, on a virtual display: makes a new set,
# which must land in the user's own folder, and starts a game on the bundled
# set, which must be left as it was. The package is removed again however the
# check ends. Needs root, dpkg, Xvfb and xdotool; without them, or where
# Quorvane is installed already (which this never touches), it says so and
# exits with 77 (skipped).
#
#   bash tools/install-check.sh build/quorvane_1.0.0_amd64.deb
set -euo pipefail

skip() { echo "install check skipped: $*"; exit 77; }
fail() {
    echo "install check FAILED: $* (display ${DISPLAY:-none})" >&2
    [[ -z ${DISPLAY:-} ]] || xdotool search --onlyvisible --name . getwindowname %@ >&2 || true
    exit 1
}

# Waits up to 20 seconds for a shown window whose title is exactly $1 and
# gives it the keyboard (there is no window manager to do so). xdotool gives
# up when a window goes while it looks (a box closing), so it asks again.
window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [[ -n $id ]] && timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null && return 0
        sleep 0.2
    done
    fail "no window \"$1\""
}

waitFor() { # a test, tried for up to 20 seconds
    for _ in $(seq 200); do eval "$1" && return 0; sleep 0.1; done
    fail "$2"
}

# Runs as the user, on the virtual display.
session() {
    local sets="$HOME/.local/share/quorvane/Questions"
    local bundled="/usr/share/games/quorvane/Questions/General Knowledge.dat"
    local before
    before=$(sha256sum "$bundled")

    # A new set is made in the user's folder (the name box has the focus).
    /usr/games/quorvane 2>>"$HOME/game.log" & local game=$!
    window Startup
    xdotool type --delay 20 mine
    xdotool key Return
    waitFor '[[ $(stat -c %s "$sets/mine.dat" 2>/dev/null) == 405 ]]' "mine.dat not made in $sets"
    window 'Quorvane\?'
    kill "$game"; wait "$game" || true

    # The bundled set opens and a game starts on it: the player's name is
    # asked, the game greets, and then the game screen stands over the main
    # window with nothing over it.
    /usr/games/quorvane 2>>"$HOME/game.log" & game=$!
    window Startup
    xdotool type --delay 20 'General Knowledge.dat'
    xdotool key Return
    window 'Quorvane\?'
    # From the question box back round the tab order: Quit, About Game, New
    # Question Set, Manage Questions, Play Game.
    xdotool key --delay 50 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
    window Player
    xdotool type --delay 20 Ann
    xdotool key Return
    window Play # "Lets Play Quorvane!"
    xdotool key Return
    waitFor '(( $(xdotool search --onlyvisible --name "^Quorvane\?\$" | wc -l) == 2 ))' \
        "no game screen over the main window"
    sleep 0.5
    xdotool search --onlyvisible --name '.' getwindowname %@ | grep -vx 'Quorvane?' &&
        fail "a message box stands over the game"
    kill "$game"; wait "$game" || true

    [[ $(sha256sum "$bundled") == "$before" ]] || fail "the bundled set was changed"
    [[ $(ls "$sets") == mine.dat ]] || fail "the user's folder holds $(ls "$sets")"
    echo "install check: new set in $sets, bundled set played and left as it was"
}

if [[ ${1:-} == --session ]]; then
    session
    exit
fi

deb=$(realpath "${1:?usage: install-check.sh PACKAGE.deb}")
((EUID == 0)) || skip "not root"
for tool in dpkg apt-get Xvfb xdotool runuser; do
    command -v "$tool" >/dev/null || skip "no $tool"
done
dpkg -s quorvane >/dev/null 2>&1 && skip "quorvane is installed already"

home=$(mktemp -d)
xvfb=
cleanup() {
    [[ -z $xvfb ]] || kill "$xvfb"
    dpkg --purge quorvane >/dev/null 2>&1 || true
    rm -rf "$home"
}
trap cleanup EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" >/dev/null
chown nobody: "$home"
cp "$0" "$home/check.sh"
# A virtual display on a number no other is using, which the server picks
# and tells; it takes any local client.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$home/display" 2>/dev/null &
xvfb=$!
waitFor '[[ -s $home/display ]]' "no virtual display"
# A user with nothing of root's environment: only a fresh home.
runuser -u nobody -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    DISPLAY=":$(cat "$home/display")" bash "$home/check.sh" --session
dpkg --purge quorvane >/dev/null
[[ ! -e /usr/games/quorvane ]] || fail "the package left /usr/games/quorvane"
