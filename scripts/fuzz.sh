#!/usr/bin/env bash
# Builds the fuzz targets with clang (build-fuzz/) and runs each in turn for SECONDS
# (default 60) from the committed seeds and dictionary. New inputs go to a scratch
# corpus, so the committed seeds stay small. Any finding stops with a failure; the
# crashing input is kept in build-fuzz/findings/ for replay (./target FILE).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build-fuzz/findings
for seeds in fuzz/corpus/*/; do
    target="$(basename "$seeds")"
    scratch="build-fuzz/corpus/$target"
    mkdir -p "$scratch"
    echo "== $target for ${seconds}s"
    log="build-fuzz/$target.log"
    status=0
    "build-fuzz/fuzz/$target" "$scratch" "$seeds" -dict=fuzz/fuzz.dict \
        -max_total_time="$seconds" -max_len=1024 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$target-" >"$log" 2>&1 || status=$?
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" || true
    if [ "$status" -ne 0 ]; then
        grep -E -A3 'property failed|ERROR|runtime error' "$log" | head -20 >&2 || true
        echo "FINDING in $target: see $log; the input is under build-fuzz/findings/" >&2
        exit 1
    fi
done
