#!/usr/bin/env bash
# Whole-process time and peak memory of one subnet answer from ferol-calc, next to the
# C and Perl calculators Debian ships (ipcalc-ng, ipcalc) when they are installed.
# Figures only: nothing passes or fails. Goal: at least 10x faster than the Perl one and
# no more than 4x the C one.
#   bash scripts/bench-cli.sh [path/to/ferol-calc]
set -euo pipefail
cd "$(dirname "$0")/.."

calc=${1:-build/src/cli/ferol-calc}
if [ ! -x "$calc" ]; then
    echo "No $calc: build first (bash scripts/build.sh)" >&2
    exit 1
fi
input=192.168.1.130/26

commands=("$calc subnet $input")
command -v ipcalc-ng >/dev/null && commands+=("ipcalc-ng $input")
command -v ipcalc >/dev/null && commands+=("ipcalc -n $input")

# Peak resident memory in kB, the median of five runs.
peak_kb() {
    for _ in 1 2 3 4 5; do
        /usr/bin/time -f %M $1 2>&1 >/dev/null | tail -1
    done | sort -n | sed -n 3p
}

# Milliseconds per run over a plain loop, for machines without hyperfine.
loop_ms() {
    local runs=200 start end
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do $1 >/dev/null; done
    end=$(date +%s%N)
    awk -v ns=$((end - start)) -v runs=$runs 'BEGIN { printf "%.2f", ns / runs / 1e6 }'
}

if command -v hyperfine >/dev/null; then
    hyperfine --shell=none --warmup 20 --min-runs 200 "${commands[@]}"
else
    echo "hyperfine is not installed; a loop of 200 runs each:"
    for command in "${commands[@]}"; do
        printf '%-50s %8s ms per run\n' "$command" "$(loop_ms "$command")"
    done
fi

echo
echo "Peak memory (median of 5 runs):"
for command in "${commands[@]}"; do
    printf '%-50s %8s kB\n' "$command" "$(peak_kb "$command")"
done
