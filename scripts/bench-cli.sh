#!/usr/bin/env bash
# ferol-calc beside the calculators Debian ships, in the same run: start-up of one subnet
# answer (paired whole-process runs against ipcalc-ng, sipcalc and the Perl ipcalc, when
# installed), peak memory, a batch of random networks in JSON (1,000,000 unless
# FEROL_BENCH_LINES says otherwise) against a Python ipaddress loop, and merge, exclude and
# contains against ipaddress's collapse_addresses, address_exclude and subnet_of. Figures
# only: nothing passes or fails. Goals: start-up at most 1.2x and peak memory at most 1.5x
# ipcalc-ng's; the batch of a million lines within 1 s and at least 30x faster than the
# Python loop, with flat memory; a million random prefixes merged within 1 s. With valgrind
# installed, also the batch's instructions a line, which load on the machine does not move.
#   bash scripts/bench-cli.sh [path/to/ferol-calc]
set -euo pipefail
cd "$(dirname "$0")/.."

calc=$(realpath "${1:-build/src/cli/ferol-calc}")
# The system's Python itself, not a version manager's wrapper script, for a fair loop.
python=$(command -v /usr/bin/python3 || command -v python3)
if [ ! -x "$calc" ]; then
    echo "No $calc: build first (bash scripts/build.sh)" >&2
    exit 1
fi
input=192.168.1.130/26
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

commands=("$calc subnet $input")
command -v ipcalc-ng >/dev/null && commands+=("ipcalc-ng $input")
command -v sipcalc >/dev/null && commands+=("sipcalc $input")
command -v ipcalc >/dev/null && commands+=("ipcalc -n $input")

# Paired whole-process runs: the commands take turns, run by run, so that all see the same
# load on a shared machine. Per command: the median wall time and the median peak memory
# of 15 runs each, paired the same way.
paired() {
    python3 - "$@" <<'PY'
import os, statistics, subprocess, sys, time
commands = [c.split() for c in sys.argv[1:]]
runs = 400
wall = [[] for _ in commands]
peak = [[] for _ in commands]
with open(os.devnull, "wb") as null:
    for i in range(runs + 20):
        for k, command in enumerate(commands):
            start = time.perf_counter()
            subprocess.run(command, stdout=null, stderr=null)
            if i >= 20:  # the first runs warm the caches
                wall[k].append(time.perf_counter() - start)
    # GNU time forks from a small process, so its figure is the command's own.
    for i in range(15):
        for k, command in enumerate(commands):
            result = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, stdout=null,
                                    stderr=subprocess.PIPE, text=True)
            peak[k].append(int(result.stderr.split()[-1]))
base = 1 if len(commands) > 1 else 0
for k, command in enumerate(commands):
    w, m = statistics.median(wall[k]), statistics.median(peak[k])
    ratio = "   %.2fx the time, %.2fx the memory of %s" % (
        w / statistics.median(wall[base]), m / statistics.median(peak[base]), commands[base][0])
    print("%-42s %7.2f ms %7d kB%s" % (" ".join(command)[-42:], w * 1e3, m, ratio))
PY
}

echo "Start-up and peak memory, one subnet answer per process (medians of paired runs):"
paired "${commands[@]}"
if command -v hyperfine >/dev/null; then
    echo
    hyperfine --shell=none --warmup 20 --min-runs 300 --style basic "${commands[@]}" 2>/dev/null |
        grep -E 'Benchmark|Time|±|faster'
fi

echo
lines=${FEROL_BENCH_LINES:-1000000}
echo "A batch of $lines random networks:"
python3 - "$work/networks" "$lines" <<'PY'
import random, sys
random.seed(2312)
with open(sys.argv[1], "w") as out:
    for _ in range(int(sys.argv[2])):
        a = random.getrandbits(32)
        out.write("%d.%d.%d.%d/%d\n" % (a >> 24, a >> 16 & 255, a >> 8 & 255, a & 255, random.randint(0, 32)))
PY
cat >"$work/loop.py" <<'PY'
import ipaddress, json, sys
for line in sys.stdin:
    interface = ipaddress.ip_interface(line.strip())
    network = interface.network
    hosts = network.num_addresses - 2 if network.prefixlen < 31 else network.num_addresses
    print(json.dumps({"address": str(interface.ip), "network": str(network.network_address),
                      "prefix_length": network.prefixlen, "broadcast": str(network.broadcast_address),
                      "host_count": hosts, "private": network.is_private}))
PY
# Wall and CPU (user + system) seconds over the networks: of one run, or with RUNS=N of the
# run with the median CPU time, since a run of half a second feels the kernel still writing
# back the hundreds of megabytes of the runs before it.
seconds() {
    local runs=${RUNS:-1}
    : >"$work/times"
    for ((k = 0; k < runs; ++k)); do
        /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$@" <"$work/networks" >"$work/out" 2>/dev/null || true
        cat "$work/time" >>"$work/times"
    done
    awk '{ print $2 + $3, $0 }' "$work/times" | sort -g | sed -n "$(((runs + 1) / 2))p" |
        cut -d' ' -f2- >"$work/time"
    awk -v runs="$runs" '{ printf "%.3f s wall, %.3f s CPU, %d kB peak%s", $1, $2 + $3, $4,
        (runs > 1 ? " (median of " runs " runs)" : "") }' "$work/time"
}
cpu() {
    awk '{ print $2 + $3 }' "$work/time"
}
wall() {
    awk '{ print $1 }' "$work/time"
}
calc_s=$(RUNS=5 seconds "$calc" subnet - --json)
calc_cpu=$(cpu)
calc_wall=$(wall)
calc_lines=$(wc -l <"$work/out")
cp "$work/out" "$work/answers"
python_s=$(seconds "$python" "$work/loop.py")
python_cpu=$(cpu)
python_wall=$(wall)
# The loop answers six values a line; the same from ferol-calc, for a like-for-like figure.
same_s=$(RUNS=5 seconds "$calc" subnet - --json --field address --field network --field prefix_length \
    --field broadcast --field host_count --field block)
same_cpu=$(cpu)
printf '%-42s %s (%d lines)\n' "ferol-calc subnet - --json" "$calc_s" "$calc_lines"
printf '%-42s %s\n' "ferol-calc, the loop's six values" "$same_s"
printf '%-42s %s\n' "$python ipaddress loop" "$python_s"
if command -v sipcalc >/dev/null; then
    printf '%-42s %s\n' "sipcalc - (text)" "$(seconds sipcalc -)"
fi
# Both: ferol-calc's output is written by a second thread, so its wall time is the shorter;
# its CPU time counts both threads and the kernel's writing of the answers.
awk -v c="$calc_cpu" -v s="$same_cpu" -v p="$python_cpu" -v cw="$calc_wall" -v pw="$python_wall" 'BEGIN {
    printf "ferol-calc is %.1fx faster than the Python loop in wall time\n", pw / (cw > 0 ? cw : 0.001)
    printf "ferol-calc takes %.1fx less CPU time than the Python loop (%.1fx for the same six values)\n",
        p / (c > 0 ? c : 0.001), p / (s > 0 ? s : 0.001) }'

# Every answer of the batch against ipaddress: network, broadcast, length and hosts.
python3 - "$work/networks" "$work/answers" <<'PY'
import ipaddress, json, sys
agree = 0
lines = open(sys.argv[1]).read().split()
answers = [json.loads(line) for line in open(sys.argv[2])]
for text, answer in zip(lines, answers):
    network = ipaddress.ip_interface(text).network
    # A /31 is a point-to-point link with its two addresses as hosts (RFC 3021).
    first = str(network.network_address + 1) if network.prefixlen < 31 else str(network.network_address)
    last = str(network.broadcast_address - 1) if network.prefixlen < 31 else str(network.broadcast_address)
    count = network.num_addresses - 2 if network.prefixlen < 31 else network.num_addresses
    expected = (str(network.network_address), str(network.broadcast_address), network.prefixlen,
                str(network.netmask), first, last, count)
    got = (answer["network"], answer["broadcast"], answer["prefix_length"], answer["mask"],
           answer["first_host"], answer["last_host"], answer["host_count"])
    agree += expected == got
print("%d of %d answers agree with Python's ipaddress (network, broadcast, length, mask, hosts)"
      % (agree, len(lines)))
PY
# Times on a shared machine vary by a quarter from run to run; the instructions a line do
# not, so they are the figure to compare builds by.
if command -v valgrind >/dev/null; then
    head -20000 "$work/networks" >"$work/sample"
    valgrind --tool=callgrind --callgrind-out-file="$work/callgrind" "$calc" subnet - --json \
        <"$work/sample" >/dev/null 2>"$work/valgrind" || true
    awk -v n="$(wc -l <"$work/sample")" '/refs:/ { gsub(",", "", $NF)
        printf "ferol-calc subnet - --json: %.0f instructions a line (callgrind, %d lines)\n", $NF / n, n }' \
        "$work/valgrind"
fi

echo
echo "Set operations against Python's ipaddress, the same inputs in the same run:"
python3 - "$work" <<'PY'
import ipaddress, random
random.seed(2026)
def network(version):
    bits = 32 if version == 4 else 128
    length = random.randint(bits // 4, bits)
    address = random.getrandbits(bits) >> (bits - length) << (bits - length)
    return ipaddress.ip_network((address, length))
import sys
work = sys.argv[1]
with open(work + "/merge", "w") as out:
    for _ in range(2500):
        out.write("%s\n%s\n" % (network(4), network(6)))
with open(work + "/million", "w") as out:
    for _ in range(1000000):
        length = random.randint(8, 32)
        address = random.getrandbits(32) >> (32 - length) << (32 - length)
        out.write("%s/%d\n" % (ipaddress.IPv4Address(address), length))
with open(work + "/pairs", "w") as out:
    for _ in range(500):
        outer = network(random.choice((4, 6)))
        bits = outer.max_prefixlen
        length = random.randint(outer.prefixlen, min(bits, outer.prefixlen + 24))
        host = random.getrandbits(length - outer.prefixlen) << (bits - length) if length > outer.prefixlen else 0
        inner = ipaddress.ip_network((int(outer.network_address) | host, length))
        other = network(outer.version)
        out.write("%s %s %s\n" % (outer, inner, other))
PY
"$calc" merge - <"$work/merge" >"$work/merged"
head -100000 "$work/million" | "$calc" merge - >"$work/hundred-thousand.out"
/usr/bin/time -f "%e %U %S %M" -o "$work/time" "$calc" merge - <"$work/million" >"$work/million.out"
merge_figures=$(awk '{ printf "%.3f s wall, %.3f s CPU, %d kB peak", $1, $2 + $3, $4 }' "$work/time")
while read -r outer inner other; do
    echo "$( "$calc" exclude "$outer" "$inner" | xargs)"
    status=0 && "$calc" contains "$outer" "$inner" "$other" >/dev/null || status=$?
    echo "contains $status"
    status=0 && "$calc" contains "$outer" "${other%/*}" >/dev/null || status=$?
    echo "address $status"
done <"$work/pairs" >"$work/answers"
python3 - "$work" "$merge_figures" <<'PY'
import ipaddress, sys, time
work, figures = sys.argv[1], sys.argv[2]
networks = [ipaddress.ip_network(line.strip()) for line in open(work + "/merge")]
expected = [str(n) for version in (4, 6)
            for n in ipaddress.collapse_addresses(n for n in networks if n.version == version)]
got = open(work + "/merged").read().split()
print("merge of 5,000 random IPv4 and IPv6 networks: %s collapse_addresses (%d prefixes)"
      % ("equals" if got == expected else "DIFFERS from", len(expected)))
print("merge of 1,000,000 random IPv4 prefixes: ferol-calc merge - %s" % figures)
# A tenth of them for Python, which takes about a minute for all.
lines = open(work + "/million").read().split()[:100000]
start = time.perf_counter()
collapsed = [str(n) for n in ipaddress.collapse_addresses(map(ipaddress.ip_network, lines))]
python_s = time.perf_counter() - start
same = open(work + "/hundred-thousand.out").read().split() == collapsed
print("merge of the first 100,000: Python collapse_addresses %.2f s; answers %s"
      % (python_s, "equal" if same else "DIFFER"))
answers = open(work + "/answers").read().split("\n")
agree = 0
pairs = [line.split() for line in open(work + "/pairs")]
for k, (outer, inner, other) in enumerate(pairs):
    outer, inner, other = map(ipaddress.ip_network, (outer, inner, other))
    left = sorted(outer.address_exclude(inner))
    inside = inner.subnet_of(outer) and other.subnet_of(outer)
    ok = answers[3 * k] == " ".join(map(str, left))
    ok &= answers[3 * k + 1] == "contains %d" % (0 if inside else 1)
    ok &= answers[3 * k + 2] == "address %d" % (0 if other.network_address in outer else 1)
    agree += ok
print("exclude and contains: %d of %d random pairs agree with address_exclude, subnet_of and in"
      % (agree, len(pairs)))
PY
