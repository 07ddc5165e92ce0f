#!/usr/bin/env bash
# Compares the start-up of Quorvane (launch until the start screen is shown)
# with that of a minimal Qt Widgets program showing one empty window: median
# wall time and median peak memory over several runs of each, both under the
# offscreen platform, in one run of this script. The processor time of each
# (user + system) is reported too: on a shared machine most of the wall time
# can be spent waiting for a processor, which it is not.
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

# One launch: appends milliseconds to $2.times, processor milliseconds to
# $2.cpu and peak RSS (KiB) to $2.rss.
launch() {
    local exe=$1 out=$2 start end cpu
    start=$EPOCHREALTIME
    cpu=$( { TIMEFORMAT='%3U %3S'; time QUORVANE_EXIT_AFTER_SHOW=1 QT_QPA_PLATFORM=offscreen \
        /usr/bin/time -f %M -o "$scratch/rss" "$exe" >/dev/null 2>&1; } 2>&1 )
    end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", (e - s) * 1000 }' >>"$out.times"
    awk '{ printf "%.3f\n", ($1 + $2) * 1000 }' <<<"$cpu" >>"$out.cpu"
    tail -n1 "$scratch/rss" >>"$out.rss"
}

median() {
    sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One launch of each first, so both start with the libraries in the page cache.
launch "$minimal" "$scratch/warm"
launch "$game" "$scratch/warm"
for ((i = 0; i < runs; i++)); do
    launch "$minimal" "$scratch/minimal"
    launch "$game" "$scratch/game"
done

mt=$(median "$scratch/minimal.times"); gt=$(median "$scratch/game.times")
mc=$(median "$scratch/minimal.cpu"); gc=$(median "$scratch/game.cpu")
mr=$(median "$scratch/minimal.rss"); gr=$(median "$scratch/game.rss")
awk -v mt="$mt" -v gt="$gt" -v mc="$mc" -v gc="$gc" -v mr="$mr" -v gr="$gr" -v runs="$runs" \
    -v cpu="$(lscpu 2>/dev/null | sed -n 's/^Model name: *//p' | head -n1)" \
    -v when="$(date -Iseconds)" -v load="$(cut -d' ' -f1-3 /proc/loadavg)" 'BEGIN {
    ratio = gt / mt; extra = (gr - mr) / 1024
    printf "Machine: %s, %d runs each, medians; %s; load average %s\n\n", cpu, runs, when, load
    print "| Program | Start-up (ms) | Processor time (ms) | Peak memory (MB) |"
    print "|---|---:|---:|---:|"
    printf "| minimal Qt Widgets window | %.1f | %.1f | %.1f |\n", mt, mc, mr / 1024
    printf "| quorvane | %.1f | %.1f | %.1f |\n\n", gt, gc, gr / 1024
    printf "Time ratio %.2f (target <= 1.15: %s); processor time ratio %.2f; memory %+.1f MB (target <= +10 MB: %s)\n",
        ratio, ratio <= 1.15 ? "met" : "MISSED", gc / mc, extra, extra <= 10 ? "met" : "MISSED"
}'
