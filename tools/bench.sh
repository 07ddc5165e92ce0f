#!/usr/bin/env bash
# Builds and runs the set-file and screen benchmarks on the largest set, writes Google
# Benchmark's JSON to bench/results.json and prints each benchmark's median
# time and its ratio to the floor it is measured against. Repetitions of all
# benchmarks run interleaved in random order, so that a busy spell on a shared
# machine does not fall on one benchmark alone.
#   BENCH_REPETITIONS  repetitions of each benchmark (default 10)
#   BENCH_MIN_TIME     seconds each repetition runs at least (default 0.5)
#   BENCH_NO_BUILD=1   use the benchmark as already built
# Further arguments go to the benchmark (e.g. --benchmark_filter=BM_Draw).
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${BENCH_NO_BUILD:-0}" != 1 ]]; then
    bash tools/deps.sh
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j2 --target quorvane_bench
fi

results=bench/results.json
QT_QPA_PLATFORM=offscreen ./build/bench/quorvane_bench \
    --benchmark_repetitions="${BENCH_REPETITIONS:-10}" \
    --benchmark_min_time="${BENCH_MIN_TIME:-0.5}" \
    --benchmark_report_aggregates_only=true \
    --benchmark_enable_random_interleaving=true \
    --benchmark_out="$results" --benchmark_out_format=json "$@" >&2

machine="$(lscpu 2>/dev/null | sed -n 's/^Model name: *//p' | head -n1)"
python3 - "$results" "${machine:-unknown CPU}" <<'PY'
import json, re, sys

path, cpu = sys.argv[1], sys.argv[2]
with open(path) as f:
    data = json.load(f)

# Median real time of each benchmark, in milliseconds.
median = {}
for b in data["benchmarks"]:
    if b.get("aggregate_name", "median") != "median" or b.get("error_occurred"):
        continue
    # "BM_Import/8998/real_time": the name with its argument, if any.
    name = re.sub(r"/real_time$", "", b.get("run_name", b["name"]))
    name = re.sub(r"^BM_FloorRewrite/0$", "BM_FloorRewrite", name)
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
    median[name] = b["real_time"] * scale

targets = [
    ("BM_MainWindowLoad", "BM_FloorRead", 2.0),
    ("BM_Draw", "BM_FloorRead", 2.0),
    ("BM_ListFill", "BM_FloorRead", 4.0),
    ("BM_Filter", "BM_FloorRead", 4.0),
    ("BM_Sort", "BM_FloorRead", 12.0),
    ("BM_Pick", "BM_FloorRead", 1.5),
    ("BM_Edit", "BM_FloorSyncedWrite", 1.5),
    ("BM_Delete", "BM_FloorRewrite", 1.5),
    ("BM_Add", "BM_FloorRewrite/8998", 1.5),
    ("BM_Import/8998", "BM_FloorRewrite", 2.0),
    ("BM_Import/32000", "BM_FloorRewrite", 3.0),
]
# The screens: a time target each, in milliseconds; with a screen reader's
# walk, what the walk added, beside the walk over a plain tree view of the
# manager's size (BM_ScreenFloorWalk), which is Qt's own cost of being read.
screens = [
    ("BM_ScreenMainWindow", 50, 100),
    ("BM_ScreenManager", 50, 100),
    ("BM_ScreenFind", 16, 100),
    ("BM_ScreenSort", 50, 100),
    ("BM_ScreenZoomGame", 16, 100),
    ("BM_ScreenZoomManager", 16, 100),
]

ctx = data["context"]
print(f"Machine: {cpu}, {ctx.get('num_cpus', '?')} CPUs, host {ctx.get('host_name', '?')}; "
      f"run {ctx.get('date', '?')}; load average "
      f"{' '.join(f'{x:.2f}' for x in ctx.get('load_avg', []))}")
print()
print("| Benchmark | Median time (ms) | Floor | Ratio | Target | Met |")
print("|---|---:|---|---:|---:|---|")
for floor in ("BM_FloorRead", "BM_FloorRewrite", "BM_FloorRewrite/8998", "BM_FloorSyncedWrite"):
    if floor in median:
        print(f"| {floor} | {median[floor]:.3f} | | | | |")
missed = 0
for name, floor, target in targets:
    if name not in median or floor not in median:
        print(f"| {name} | not run | {floor} | | ≤ {target:g} | |")
        continue
    ratio = median[name] / median[floor]
    ok = ratio <= target
    missed += 0 if ok else 1
    print(f"| {name} | {median[name]:.3f} | {floor} | {ratio:.2f} | ≤ {target:g} | "
          f"{'yes' if ok else 'NO'} |")
print()
print("| Screen | Alone (ms) | Target | With a screen reader (ms) | Target | Reader's share (ms) | Met |")
print("|---|---:|---:|---:|---:|---:|---|")
walk_floor = median.get("BM_ScreenFloorWalk")
for name, alone_target, reader_target in screens:
    alone, reader = median.get(f"{name}/reader:0"), median.get(f"{name}/reader:1")
    if alone is None or reader is None:
        print(f"| {name} | not run | | | | | |")
        continue
    ratio = f"{reader - alone:.2f}"
    ok = alone <= alone_target and reader <= reader_target
    missed += 0 if ok else 1
    print(f"| {name} | {alone:.2f} | ≤ {alone_target} | {reader:.2f} | ≤ {reader_target} | "
          f"{ratio} | {'yes' if ok else 'NO'} |")
if walk_floor:
    print(f"\nWalk floor (BM_ScreenFloorWalk, a plain tree view's rows read): {walk_floor:.3f} ms")
print()
print(f"JSON: {path}")
PY
