#!/usr/bin/env bash
# Compares the start-up of Quorvane (launch until the start screen is shown)
# with two minimal Qt Widgets programs, one showing an empty window and one a
# window with a single word-wrapped paragraph (what any window of text pays),
# alternately, all under the offscreen platform, in one run of this script.
# For each: the median wall time from launch until the window is up (the
# program says so on its output once its event loop has run after showing
# it; an older build that says nothing counts as up when it exits), the median
# wall time from launch until it has exited, its processor
# time (user + system; on a shared machine most of the wall time can be
# spent waiting for a processor, which it is not) and its peak memory.
#   STARTUP_RUNS       runs of each program (default 15)
#   STARTUP_PROGRAM    the program compared (default build/quorvane/quorvane)
#   BENCH_NO_BUILD=1   use the programs as already built
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${BENCH_NO_BUILD:-0}" != 1 ]]; then
    bash tools/deps.sh
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j2 --target quorvane quorvane_minimal
fi

runs="${STARTUP_RUNS:-15}"
game="${STARTUP_PROGRAM:-build/quorvane/quorvane}"
minimal=build/bench/quorvane_minimal
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# One launch of the program and arguments after $1: appends milliseconds
# until it said it was shown to $1.shown, until it had exited to $1.times,
# processor milliseconds to $1.cpu and peak RSS (KiB) to $1.rss.
launch() {
    local out=$1 start end cpu
    shift
    start=$EPOCHREALTIME
    cpu=$( { TIMEFORMAT='%3U %3S'; time QUORVANE_EXIT_AFTER_SHOW=1 QT_QPA_PLATFORM=offscreen \
        /usr/bin/time -f %M -o "$scratch/rss" "$@" 2>/dev/null |
        { read -r _; echo "$EPOCHREALTIME" >"$scratch/shown"; cat >/dev/null; }; } 2>&1 )
    end=$EPOCHREALTIME
    awk -v s="$start" -v e="$(cat "$scratch/shown")" 'BEGIN { printf "%.3f\n", (e - s) * 1000 }' >>"$out.shown"
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", (e - s) * 1000 }' >>"$out.times"
    awk '{ printf "%.3f\n", ($1 + $2) * 1000 }' <<<"$cpu" >>"$out.cpu"
    tail -n1 "$scratch/rss" >>"$out.rss"
}

median() {
    sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One launch of each first, so that all start with the libraries in the page cache.
programs=(empty text game)
declare -A command=([empty]="$minimal" [text]="$minimal --text" [game]="$game")
for p in "${programs[@]}"; do
    launch "$scratch/warm" ${command[$p]}
done
for ((i = 0; i < runs; i++)); do
    for p in "${programs[@]}"; do
        launch "$scratch/$p" ${command[$p]}
    done
done

row() {
    local p=$1
    echo "$p $(median "$scratch/$p.shown") $(median "$scratch/$p.times") $(median "$scratch/$p.cpu") $(median "$scratch/$p.rss")"
}
{ row empty; row text; row game; } | awk -v runs="$runs" \
    -v cpu="$(lscpu 2>/dev/null | sed -n 's/^Model name: *//p' | head -n1)" \
    -v when="$(date -Iseconds)" -v load="$(cut -d' ' -f1-3 /proc/loadavg)" '
    { shown[$1] = $2; ended[$1] = $3; cputime[$1] = $4; rss[$1] = $5 }
    END {
        name["empty"] = "minimal window, empty"
        name["text"] = "minimal window, one paragraph of text"
        name["game"] = "quorvane"
        printf "Machine: %s, %d runs each, medians; %s; load average %s\n\n", cpu, runs, when, load
        print "| Program | Launch to shown (ms) | Launch to exit (ms) | Processor time (ms) | Peak memory (MB) |"
        print "|---|---:|---:|---:|---:|"
        split("empty text game", order, " ")
        for (i = 1; i <= 3; ++i) {
            p = order[i]
            printf "| %s | %.1f | %.1f | %.1f | %.1f |\n", name[p], shown[p], ended[p], cputime[p], rss[p] / 1024
        }
        print ""
        for (i = 1; i <= 2; ++i) {
            p = order[i]
            r = ended["game"] / ended[p]
            printf "Against the %s: launch to exit %.2f (target <= 1.15: %s), launch to shown %.2f, processor time %.2f, memory %+.1f MB (target <= +10 MB: %s)\n",
                name[p], r, r <= 1.15 ? "met" : "MISSED", shown["game"] / shown[p],
                cputime["game"] / cputime[p], (rss["game"] - rss[p]) / 1024,
                rss["game"] - rss[p] <= 10240 ? "met" : "MISSED"
        }
    }'
