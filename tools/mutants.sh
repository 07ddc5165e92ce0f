#!/usr/bin/env bash
# Mutation check: applies each slip of tools/mutants.txt to the source, one at
# a time, rebuilds incrementally, runs the tests the slip names and says
# whether they caught it. A slip the tests miss is a promise nobody checks.
#   tools/mutants.sh [BUILD_DIR] [PATTERN]
# BUILD_DIR defaults to build-mutants (made on first use); PATTERN, a grep -E
# pattern, runs only the slips whose line matches it. The tree is put back as
# it was however the run ends.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-mutants}
only=${2:-}
list=tools/mutants.txt
export QT_QPA_PLATFORM=offscreen

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

file="" saved=""
restore() {
    if [[ -n $saved ]]; then
        cp "$saved" "$file" && rm -f "$saved"
        saved=""
    fi
}
trap restore EXIT

# Replaces the one place FIND stands in the file (\n in FIND and REPL stand
# for line breaks); prints how many places there were.
slip() {
    FIND=$2 REPL=$3 perl -0 -i -ne '
        my ($f, $r) = ($ENV{FIND}, $ENV{REPL});
        s/\\n/\n/g for $f, $r;
        my $n = () = /\Q$f\E/g;
        s/\Q$f\E/$r/ if $n == 1;
        print;
        print STDERR "$n\n";' "$1" 2>&1
}

killed=0 survived=0 unchanged=0 broken=0
survivors=()
while IFS= read -r line; do
    [[ -z $line || $line == \#* ]] && continue
    [[ -n $only ]] && ! grep -qE -- "$only" <<<"$line" && continue
    # file :: tests :: find :: replace ("(nothing)" to delete) :: what [:: same: why]
    mapfile -t f < <(perl -e 'print "$_\n" for split / :: /, $ARGV[0], -1' -- "$line")
    file=${f[0]} tests=${f[1]} find=${f[2]} repl=${f[3]} what=${f[4]} same=${f[5]:-}
    [[ $repl == "(nothing)" ]] && repl=""
    if [[ -n $same ]]; then
        printf 'unchanged  %-60s %s\n' "$what" "$same"
        unchanged=$((unchanged + 1))
        continue
    fi
    saved=$(mktemp)
    cp "$file" "$saved"
    places=$(slip "$file" "$find" "$repl")
    if [[ $places != 1 ]]; then
        restore
        printf 'STALE      %-60s (%s: found %s times)\n' "$what" "$file" "$places"
        broken=$((broken + 1))
        continue
    fi
    if ! cmake --build "$build" -j"$(nproc)" >/dev/null 2>&1; then
        restore
        printf 'NO BUILD   %s\n' "$what"
        broken=$((broken + 1))
        continue
    fi
    if ctest --test-dir "$build" -R "$tests" -j"$(nproc)" --timeout 120 >/dev/null 2>&1; then
        printf 'SURVIVED   %s (%s)\n' "$what" "$file"
        survived=$((survived + 1))
        survivors+=("$what")
    else
        printf 'killed     %s\n' "$what"
        killed=$((killed + 1))
    fi
    restore
done <"$list"

cmake --build "$build" -j"$(nproc)" >/dev/null
counted=$((killed + survived))
echo
echo "killed $killed of $counted ($((counted ? 100 * killed / counted : 0))%);" \
     "$unchanged marked as unable to change behaviour; $broken stale or not building"
((broken == 0))
