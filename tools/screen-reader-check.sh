#!/usr/bin/env bash
# Plays Quorvane under the Orca screen reader, by keyboard alone, and fails if
# Orca does not say what a blind player needs to hear.
#
#   bash tools/screen-reader-check.sh [build-folder]     (default: build)
#
# It brings its own virtual display (Xvfb), window manager, session bus and
# accessibility bus, and gives Orca a throw-away home, so it runs with Orca's
# default settings on a machine with no display and no sound. Orca writes what
# it says to its debug log ("SPEECH OUTPUT: '...'"); each step presses keys
# with xdotool and waits on that log for the words a player should hear.
#
# The program runs from a fresh copy of the build's program folder, with a
# small question set made here: one question per round, so the right letter of
# each question is known beforehand. With a tool it needs missing it says so
# and exits 77 (skipped).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
program="$build/quorvane"
[[ -x $program/quorvane && -x $program/quorvane-sets ]] || {
    echo "no program folder in $program: build first" >&2
    exit 2
}
orca_bin=/usr/bin/orca
for tool in Xvfb openbox dbus-daemon xdotool "$orca_bin"; do
    # 77: skipped, as test runners count it.
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing (tools/deps.sh installs it)"; exit 77; }
done

started=$EPOCHREALTIME
work=$(mktemp -d "${TMPDIR:-/tmp}/screen-reader-check.XXXXXX")
log="$work/orca.log"
pids=()
failed=0
checks=0

cleanup() {
    local status=$?
    # Last started, first stopped; Orca may take a moment to shut down.
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || continue
        for _ in {1..40}; do kill -0 "${pids[i]}" 2>/dev/null || break; sleep 0.05; done
        kill -9 "${pids[i]}" 2>/dev/null || true
    done
    if ((status == 0)); then
        rm -rf "$work"
    else
        echo "Orca's log and the program's output are kept in $work" >&2
    fi
}
trap cleanup EXIT

# ------------------------------------------------------------ the desktop

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!) && disown
for _ in {1..100}; do [[ -s $work/display ]] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"

{ read -r address; read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
pids+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS="$address"

# A window manager gives the focus back to the window under a closed dialog.
openbox >"$work/openbox.log" 2>&1 &
pids+=($!) && disown

# Orca as `orca --debug-file LOG` starts it, with three differences that only
# concern this check: the log is written line by line (Python would hold it in
# a buffer, and the check reads it as it grows); no other Orca is looked for or
# killed (`--replace` would kill the Orca of a user running this check); and
# the process keeps its own name, so another Orca's `--replace` leaves it alone.
# Speech is generated and logged as usual but sent to no synthesizer.
launch_orca='
import builtins, sys, types
launcher = types.ModuleType("orca_launcher")
launcher.__file__ = sys.argv[1]
with open(sys.argv[1]) as source:
    exec(compile(source.read(), sys.argv[1], "exec"), launcher.__dict__)
launcher.otherOrcas = lambda: []
launcher.setProcessName = lambda name: None
launcher.open = lambda name, mode="r": builtins.open(name, mode, buffering=1)
sys.argv = ["orca", "--debug-file", sys.argv[2]]
sys.exit(launcher.main())
'
SPEECHD_CMD=/bin/false "$(head -1 "$orca_bin" | sed 's/^#! *//; s/ .*//')" \
    -c "$launch_orca" "$orca_bin" "$log" >"$work/orca.out" 2>&1 &
pids+=($!) && disown

# ------------------------------------------------------------ hearing

# Where Orca's log ends now: what is said after a key press lies beyond it.
mark() { stat -c %s "$log" 2>/dev/null || echo 0; }

# What Orca said after a mark, one utterance a line.
said_since() {
    tail -c +$(($1 + 1)) "$log" 2>/dev/null | { grep -a ' - SPEECH OUTPUT: ' || true; } |
        sed -E "s/^.* - SPEECH OUTPUT: '//; s/'( voice=[a-z]+)? ?[[{].*$//"
}

# True when every pattern (extended regex, any letter case) is in what was
# said after the mark.
heard() {
    local since=$1 text
    shift
    text=$(said_since "$since")
    local pattern
    for pattern in "$@"; do
        grep -qiE -- "$pattern" <<<"$text" || return 1
    done
}

# Waits up to $1 seconds for heard().
await() {
    local seconds=$1 since=$2
    shift 2
    local deadline=$((${EPOCHREALTIME/./} + ${seconds%.*} * 1000000))
    until heard "$since" "$@"; do
        ((${EPOCHREALTIME/./} < deadline)) || return 1
        sleep 0.05
    done
}

show_said() {
    said_since "$1" | { grep -av ' $' || true; } | tail -n 12 | sed 's/^/          | /'
}

# check NAME PATTERN...: one announcement the player must hear after the
# last key press.
check() {
    local name=$1
    shift
    checks=$((checks + 1))
    if await 4 "$last" "$@"; then
        printf 'ok        %s\n' "$name"
        missed=0
    else
        failed=$((failed + 1))
        printf 'MISSING   %s\n' "$name"
        printf '          wanted: %s\n' "$*"
        show_said "$last"
        missed=1
    fi
}

# press KEY... then wait for PATTERN: a step the walk cannot go on without.
press() {
    local keys=()
    while (($#)) && [[ $1 != then ]]; do keys+=("$1"); shift; done
    shift
    last=$(mark)
    xdotool key --delay 60 "${keys[@]}"
    if ! await 20 "$last" "$@"; then
        printf 'STUCK     after %s, waiting for: %s\n' "${keys[*]}" "$*"
        show_said "$last"
        exit 1
    fi
}

# A key press that need not be answered by any word.
key() {
    last=$(mark)
    xdotool key --delay 60 "$@"
}

type_text() {
    last=$(mark)
    xdotool type --delay 40 "$1"
}

# Moves with KEY (Tab or shift+Tab) until Orca names a control matching
# PATTERN, as a player explores a window.
move_to() {
    local key=$1 pattern=$2 tries
    for ((tries = 0; tries < 25; tries++)); do
        last=$(mark)
        xdotool key "$key"
        # Orca may say a control in several utterances ("Text unselected."
        # can come first): give it a second after the first word that is not
        # a key's echo. A control that says nothing is passed two seconds
        # after the key's echo (a loaded machine can keep Orca that long).
        local now=${EPOCHREALTIME/./} echoed=0 spoke=0
        local deadline=$((now + 5000000))
        while ((now < deadline)); do
            heard "$last" "$pattern" && return 0
            local said
            said=$(said_since "$last")
            if [[ -z $said ]]; then
                :
            elif ((spoke == 0)) && grep -qav ' $' <<<"$said"; then
                spoke=1
                deadline=$((now + 1000000))
            elif ((echoed == 0 && spoke == 0)) && grep -qa ' $' <<<"$said"; then
                echoed=1
                deadline=$((now + 2000000))
            fi
            sleep 0.05
            now=${EPOCHREALTIME/./}
        done
    done
    printf 'STUCK     %s never reached %s\n' "$key" "$pattern"
    show_said "$last"
    exit 1
}

# ------------------------------------------------------------ the program

last=0
await 30 0 'Screen reader on' || { echo "Orca did not start; see $work/orca.out" >&2; exit 1; }

cp -r "$program" "$work/program"
csv="$work/questions.csv"
letters=(A B C D)
echo "round,question,answer_a,answer_b,answer_c,answer_d,right" >"$csv"
for round in {1..15}; do
    # The right answer is twice the round; it stands at A, B, C, D in turn.
    at=$(((round - 1) % 4))
    answers=()
    for i in 0 1 2 3; do answers+=($((2 * round + i - at))); done
    echo "$round,WHAT IS $round PLUS $round?,${answers[0]},${answers[1]},${answers[2]},${answers[3]},${letters[at]}" >>"$csv"
done
"$work/program/quorvane-sets" import "$csv" "$work/program/Questions/Screen Reader Check.dat" \
    --creator "Ann Tester" --message "Good luck" --password pw1 >/dev/null

last=$(mark)
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_SCALE_FACTOR=1 \
    "$work/program/quorvane" >"$work/program.log" 2>&1 &
pids+=($!) && disown
await 30 "$last" 'File Name' || { echo "Orca never heard the start screen" >&2; exit 1; }

# ------------------------------------------------------------ start screen

move_to shift+Tab '^Question sets'
check 'start list: says its current item on entry' 'General Knowledge|Screen Reader Check'
check 'start list: says the position on entry' '\b[12] of 2\b'
press End then 'Screen Reader Check'
check 'start list: says the position as it moves' '\b2 of 2\b'
move_to Tab 'Continue'
press Return then 'Quorvane\?'

# ------------------------------------------------------------ a game

move_to Tab 'Play Game push button'
press space then 'What Is Your Full Name'
type_text 'Ann Tester'
# Once in ten runs Orca said only the box's button here, not its text.
press Return then 'Lets Play Quorvane|OK push button'
press Return then 'Question 1: WHAT IS 1 PLUS 1'

# answer KEY ROUND: answers the question of ROUND (rightly) and moves on.
answer() {
    local key=$1 round=$2 won=$3
    press "$key" then 'Is That Your Final Answer'
    press Return then 'Well Done'
    check "winnings said after the right answer to question $round" "$won"
    press Return then 'Next Question'
    press Return then "Question $((round + 1)): WHAT IS"
}

answer a 1 '£100'

move_to Tab '50% Remove'
press space then 'Take Away Two Wrong Answers'
fifty=$last
press Return then '.'
# Heard with the message or after it.
last=$fifty
# Two of the wrong letters named as removed, in one sentence or one by one.
check "50:50: says which answers went" \
    '\b[ACD]\b[^.]*\b[ACD]\b[^.]*remov|remov[^.]*\b[ACD]\b[^.]*\b[ACD]\b|([ACD]: removed.*){2}'
answer b 2 '£200'

move_to Tab 'Ask Your Friends'
press space then 'Ask Your Friends'
check 'poll: says its four results' '\bA:? *[0-9]+ ?%' '\bB:? *[0-9]+ ?%' '\bC:? *[0-9]+ ?%' \
    '\bD:? *[0-9]+ ?%'
press Return then '.'
answer c 3 '£300'

move_to Tab 'Ring A Buddy'
press space then 'Ring A Buddy'
check 'Ring A Buddy: says the reply' "Ann Tester|Haven't A Clue|The Answer Is"
press Return then '.'
answer d 4 '£500'

move_to Tab 'Take Money'
press space then 'Is That Your Final Answer'
press Return then 'You Go Away With £500'
press Return then 'Click Here To Continue'
press Return then 'Certificate'
check "certificate: says the player's name" 'Ann Tester'
check 'certificate: says the amount won' '£500'
check 'certificate: says the subject' 'Screen Reader Check'
press alt+c then '.'
# A player left with no focus finds the window with Alt+Tab.
check 'after the game: focus back on Play Game' 'Play Game push button'
((missed == 0)) || press alt+Tab then 'Quorvane|Play Game'

# ------------------------------------------------------------ adding a question

move_to Tab '^Question( text)?\.?$'
type_text 'WHICH COLOUR IS THE SKY?'
move_to Tab 'Answer A'
type_text 'BLUE'
move_to Tab 'Answer A is right'
press space then 'selected'
for answer in B:GREEN C:RED D:BLACK; do
    move_to Tab "Answer ${answer%%:*} text"
    type_text "${answer#*:}"
done
move_to Tab 'Round'
last=$(mark)
key Down
check 'main window: moving in the Round list says the prize' '£[0-9]'
move_to Tab 'Password'
type_text pw1
move_to Tab 'Add Question push button'
press space then 'Question Added'
press Return then '.'
check 'after a message box: focus back on the button that opened it' 'Add Question push button'

# ------------------------------------------------------------ the manager

move_to Tab 'Manage Questions push button'
press space then 'Type In Password'
type_text pw1
press Return then 'Manage Questions'
check 'manager: says its list' 'Questions (tree|table|list)'
check 'manager: says the number of questions' '\b16\b'
press ctrl+f then 'Find'
check 'manager: the find field is named and is a text field' 'Find.*text|text.*Find'
type_text SKY
check 'manager: says the find count as it changes' '\b1 of 16\b'
move_to Tab 'Questions (tree|table|list)'
check 'manager: the list says the question found' 'WHICH COLOUR IS THE SKY'
key Down
move_to Tab '^Question( text)?\.?$'
check 'manager: the Question box is read with its text' 'WHICH COLOUR IS THE SKY'
move_to Tab '^B\b'
check 'manager: an answer box is read with its text' 'GREEN'
key ctrl+a
type_text 'GREY'
move_to Tab 'Edit push button'
key space
check 'manager: the picked question is edited' 'Question Edited'
press Return then '.'
# Back on Edit, or on the list if the message was about it.
check 'after a message box in the manager: focus back on Edit or the list' \
    'Edit push button|Questions (tree|table|list)'
move_to Tab 'Back push button'
press space then '.'
check 'after the manager: focus back on Manage Questions' 'Manage Questions push button'

# ------------------------------------------------------------ verdict

elapsed=$(((${EPOCHREALTIME/./} - ${started/./}) / 1000000))
if ((failed)); then
    echo "$failed of $checks announcements missing (${elapsed}s)"
    exit 1
fi
echo "all $checks announcements heard (${elapsed}s)"
