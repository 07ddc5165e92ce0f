#!/usr/bin/env bash
# Runs one fuzz target of the sanitizer build (build-asan, made by
# tools/test.sh) for a number of seconds: tools/fuzz.sh setfile [3600].
# Inputs that reach new code are kept in build-asan/fuzz/corpus/<target>, an
# input that crashes in build-asan/fuzz/crashes/; the whole output goes to
# build-asan/fuzz/<target>.log and is shown when the target fails.
set -euo pipefail
cd "$(dirname "$0")/.."
target=$1
seconds=${2:-30}
fuzz=build-asan/fuzz
log="$fuzz/$target.log"
mkdir -p "$fuzz/corpus/$target" "$fuzz/crashes"
if LSAN_OPTIONS="suppressions=$PWD/tools/lsan-suppressions.txt:print_suppressions=0" \
   UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
   "$fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
       -artifact_prefix="$fuzz/crashes/$target-" \
       "$fuzz/corpus/$target" "fuzz/corpus/$target" "fuzz/regressions/$target" >"$log" 2>&1; then
    echo "fuzz_$target: $(grep -E '^Done [0-9]+ runs' "$log")"
else
    cat "$log" >&2
    echo "fuzz_$target failed (output in $log)" >&2
    exit 1
fi
