#!/usr/bin/env bash
# Installs the Debian package as a user of the system would, then, as a user
# who is not root and has a fresh home, on a virtual display, starts Quorvane
# three times as its desktop entry does (the command of its Exec line): makes
# a new set, which must land in the user's own folder; plays a game on the
# bundled set, which must be left as it was, and switches the music off in
# it; then, in a new game of the next run, finds the music still off. Each run
# ends with Ctrl+Q, as a player would. The package is removed again however
# the check ends. Needs root, dpkg, Xvfb and xdotool; without them, or where
# Quorvane is installed already (which this never touches), it says so and
# exits with 77 (skipped).
#
#   bash tools/install-check.sh build/quorvane_1.0.0_amd64.deb
set -euo pipefail

skip() { echo "install check skipped: $*"; exit 77; }
fail() {
    echo "install check FAILED: $* (display ${DISPLAY:-none})" >&2
    [[ -z ${DISPLAY:-} ]] || xdotool search --onlyvisible --name . getwindowname %@ >&2 || true
    [[ ! -s ${HOME:-}/game.log ]] || tail -n 20 "$HOME/game.log" >&2
    [[ -z ${game:-} ]] || kill "$game" 2>/dev/null || true
    exit 1
}

# Waits up to 20 seconds for a shown window whose title is exactly $1, other
# than the window $2 if given, and gives it the keyboard (there is no window
# manager to do so); its id is left in $shown. xdotool gives up when a window
# goes while it looks (a box closing), so it asks again.
window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-}" |
            head -n 1) || true
        if [[ -n $id ]] && timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null; then
            shown=$id
            return 0
        fi
        [[ -z ${game:-} ]] || kill -0 "$game" 2>/dev/null || fail "Quorvane ended"
        sleep 0.2
    done
    fail "no window \"$1\""
}

waitFor() { # a test, tried for up to 20 seconds
    for _ in $(seq 200); do eval "$1" && return 0; sleep 0.1; done
    fail "$2"
}

shownCount() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }

# The command of the installed desktop entry's Exec line, run as a launcher
# runs it: its field codes, which pass files, dropped (none is opened), and its
# quoting read as the shell's, of which the entry's is a subset.
start() {
    local command words
    command=$(sed -n '/^\[Desktop Entry\]/,/^\[/s/^Exec=//p' "$ENTRY" |
        sed 's/%[fFuUdDnNickvm]//g; s/%%/%/g')
    [[ -n $command ]] || fail "no Exec line in $ENTRY"
    eval "words=($command)"
    "${words[@]}" 2>>"$HOME/game.log" &
    game=$!
}

# Ctrl+Q on the main window ends the program, cleanly.
quitProgram() {
    window 'Quorvane\?'
    xdotool key ctrl+q
    waitFor '! kill -0 "$game" 2>/dev/null' "Quorvane still runs after Ctrl+Q"
    wait "$game" || fail "Quorvane ended with status $?"
}

# The start screen opens the set typed over whatever it offers.
openSet() {
    window Startup
    xdotool key ctrl+a
    xdotool type --delay 20 "$1"
    xdotool key Return
    window 'Quorvane\?'
    main=$shown
}

# A game starts on the open set: the player's name is asked, the game greets,
# and then the game screen stands over the main window with nothing over it;
# it has the keyboard.
startGame() {
    # From the question box back round the tab order: Quit, About Game, New
    # Question Set, Manage Questions, Play Game.
    xdotool key --delay 50 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
    window Player
    xdotool key ctrl+a # over the name offered, the last player's
    xdotool type --delay 20 Ann
    xdotool key Return
    window Play # "Lets Play Quorvane!"
    xdotool key Return
    waitFor '(( $(shownCount "Quorvane\?") == 2 ))' "no game screen over the main window"
    sleep 0.5
    xdotool search --onlyvisible --name '.' getwindowname %@ | grep -vx 'Quorvane?' &&
        fail "a message box stands over the game"
    window 'Quorvane\?' "$main"
}

# The game screen's music switch, pressed: the question has the focus, and the
# switch comes before it in the tab order. It is told by what it saves.
pressMusic() { xdotool key --delay 50 shift+Tab space; }
savedMusic() { sed -n '/^\[game\]/,/^\[/s/^music=//p' "$settings" 2>/dev/null; }

# From the music switch, Quit This Game, confirmed: the main window is left.
quitGame() {
    xdotool key --delay 50 shift+Tab space
    window Quit # "Are You Sure You Want To Quit?", Yes by default
    xdotool key Return
    waitFor '(( $(shownCount "Quorvane\?") == 1 ))' "the game screen stays after quitting"
}

# Runs as the user, on the virtual display.
session() {
    local sets="$HOME/.local/share/quorvane/Questions"
    local settings="$HOME/.config/Quorvane/quorvane.conf"
    local bundled="/usr/share/games/quorvane/Questions/General Knowledge.dat"
    local before game main shown
    before=$(sha256sum "$bundled")

    # A new set is made in the user's folder (the name box has the focus).
    start
    openSet mine
    waitFor '[[ $(stat -c %s "$sets/mine.dat" 2>/dev/null) == 405 ]]' "mine.dat not made in $sets"
    quitProgram

    # A game on the bundled set, with the music switched off during it.
    start
    openSet 'General Knowledge.dat'
    startGame
    [[ -z $(savedMusic) ]] || fail "music saved before it was switched: $(savedMusic)"
    pressMusic
    waitFor '[[ $(savedMusic) == false ]]' "music off not saved in $settings"
    quitGame
    quitProgram

    # Started again, the next game has the music off: the switch now turns it
    # on, where with the setting lost it would have turned it off again.
    start
    openSet 'General Knowledge.dat'
    startGame
    [[ $(savedMusic) == false ]] || fail "music became $(savedMusic) when the program started"
    pressMusic
    waitFor '[[ $(savedMusic) == true ]]' "music was not off in the game after a restart"
    quitGame
    quitProgram

    [[ $(sha256sum "$bundled") == "$before" ]] || fail "the bundled set was changed"
    [[ $(ls "$sets") == mine.dat ]] || fail "the user's folder holds $(ls "$sets")"
    echo "install check: started by $ENTRY: new set in $sets, bundled set played and" \
        "left as it was, music off remembered in $settings"
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
    local status=$?
    # A display that went away under the check is told apart from a fault.
    if ((status != 0)) && [[ -n $xvfb ]]; then
        kill -0 "$xvfb" 2>/dev/null || echo "the virtual display had ended" >&2
        tail -n 5 "$home/xvfb.log" >&2
    fi
    [[ -z $xvfb ]] || kill "$xvfb" 2>/dev/null || true
    dpkg --purge quorvane >/dev/null 2>&1 || true
    rm -rf "$home"
}
trap cleanup EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" >/dev/null
chown nobody: "$home"
# The menu entry the package gives: the program is started by its command.
entry=$(dpkg -L quorvane | grep -x '/usr/share/applications/[^/]*\.desktop')
[[ $(wc -l <<<"$entry") == 1 ]] || fail "the package holds desktop entries: ${entry:-none}"
cp "$0" "$home/check.sh"
# A virtual display on a number no other is using, which the server picks
# and tells; it takes any local client. Without -noreset it starts afresh
# whenever its last client leaves, and may refuse a program starting then.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$home/display" 2>"$home/xvfb.log" &
xvfb=$!
waitFor '[[ -s $home/display ]]' "no virtual display"
display=":$(cat "$home/display")"
waitFor 'DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1' "display $display does not answer"
# A user with nothing of root's environment: only a fresh home.
runuser -u nobody -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 ENTRY="$entry" \
    DISPLAY="$display" bash "$home/check.sh" --session
dpkg --purge quorvane >/dev/null
for installed in /usr/games/quorvane "$entry"; do
    [[ ! -e $installed ]] || fail "the package left $installed"
done
