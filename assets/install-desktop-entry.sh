#!/bin/sh
# Adds Quorvane to the desktop's application menu and points the folder's own
# quorvane.desktop at this folder, so both start the program from here. A
# desktop entry needs absolute paths: run this again after moving the folder.
# "--remove" takes the menu entry away again.
set -eu

here=$(cd "$(dirname "$0")" && pwd -P)
apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
entry="$apps/quorvane.desktop"

if [ "${1:-}" = "--remove" ]; then
    rm -f "$entry"
    echo "Removed $entry"
    exit 0
fi
if [ ! -x "$here/quorvane" ]; then
    echo "install-desktop-entry.sh: no program \"quorvane\" in $here" >&2
    exit 1
fi
case "$here" in
*'
'*)
    echo "install-desktop-entry.sh: the folder's name holds a line break; move it first" >&2
    exit 1
    ;;
esac

# Values of a desktop entry escape backslashes; the Exec key also quotes its
# argument and escapes the characters a shell would expand, and doubles "%".
value() { printf '%s' "$1" | sed 's/\\/\\\\/g'; }
exec_arg() { printf '%s' "$1" | sed -e 's/[\\"`$]/\\&/g' -e 's/%/%%/g' -e 's/\\/\\\\/g'; }

write_entry() {
    cat >"$1.part" <<ENTRY
[Desktop Entry]
Type=Application
Version=1.0
Name=Quorvane
GenericName=Quiz Game
Comment=Climb the money ladder, or write question sets of your own
Exec="$(exec_arg "$here/quorvane")"
Path=$(value "$here")
Icon=$(value "$here/quorvane.png")
Terminal=false
Categories=Game;
ENTRY
    chmod +x "$1.part"
    mv -f "$1.part" "$1"
}

write_entry "$here/quorvane.desktop"
mkdir -p "$apps"
write_entry "$entry"
echo "Added $entry"
