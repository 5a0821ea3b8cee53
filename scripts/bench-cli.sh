#!/usr/bin/env bash
# ferol-calc beside the calculators Debian ships, in the same run: start-up of one subnet
# answer (paired whole-process runs against ipcalc-ng, sipcalc and the Perl ipcalc, when
# installed), peak memory, and a batch of 10,000 random networks against a Python
# ipaddress loop. Figures only: nothing passes or fails. Goals: start-up at most 1.2x and
# peak memory at most 1.5x ipcalc-ng's; the batch under 0.1 s and at least 10x faster
# than the Python loop.
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
echo "A batch of 10,000 random networks:"
python3 - "$work/networks" <<'PY'
import random, sys
random.seed(2312)
with open(sys.argv[1], "w") as out:
    for _ in range(10000):
        a = random.getrandbits(32)
        out.write("%d.%d.%d.%d/%d\n" % (a >> 24, a >> 16 & 255, a >> 8 & 255, a & 255, random.randint(0, 32)))
PY
cat >"$work/loop.py" <<'PY'
import ipaddress, json, sys
for line in sys.stdin:
    interface = ipaddress.ip_interface(line.strip())
    network = interface.network
    hosts = network.num_addresses - 2 if network.prefixlen < 31 else (0 if network.prefixlen == 31 else 1)
    print(json.dumps({"address": str(interface.ip), "network": str(network.network_address),
                      "prefix_length": network.prefixlen, "broadcast": str(network.broadcast_address),
                      "host_count": hosts, "private": network.is_private}))
PY
# Wall and CPU (user + system) seconds of one run over the networks.
seconds() {
    /usr/bin/time -f "%e %U %S" -o "$work/time" "$@" <"$work/networks" >"$work/out" 2>/dev/null || true
    awk '{ printf "%.3f s wall, %.3f s CPU", $1, $2 + $3 }' "$work/time"
}
cpu() {
    awk '{ print $2 + $3 }' "$work/time"
}
calc_s=$(seconds "$calc" subnet - --json)
calc_cpu=$(cpu)
calc_lines=$(wc -l <"$work/out")
cp "$work/out" "$work/answers"
python_s=$(seconds "$python" "$work/loop.py")
python_cpu=$(cpu)
printf '%-42s %s (%d lines)\n' "ferol-calc subnet - --json" "$calc_s" "$calc_lines"
printf '%-42s %s\n' "$python ipaddress loop" "$python_s"
if command -v sipcalc >/dev/null; then
    printf '%-42s %s\n' "sipcalc - (text)" "$(seconds sipcalc -)"
fi
awk -v c="$calc_cpu" -v p="$python_cpu" 'BEGIN { printf "ferol-calc takes %.1fx less CPU time than the Python loop\n", p / (c > 0 ? c : 0.001) }'

# Every answer of the batch against ipaddress: network, broadcast, length and hosts.
python3 - "$work/networks" "$work/answers" <<'PY'
import ipaddress, json, sys
agree = 0
lines = open(sys.argv[1]).read().split()
answers = [json.loads(line) for line in open(sys.argv[2])]
for text, answer in zip(lines, answers):
    network = ipaddress.ip_interface(text).network
    first = str(network.network_address + 1) if network.prefixlen < 31 else (
        str(network.network_address) if network.prefixlen == 32 else None)
    last = str(network.broadcast_address - 1) if network.prefixlen < 31 else first
    count = network.num_addresses - 2 if network.prefixlen < 31 else (1 if network.prefixlen == 32 else 0)
    expected = (str(network.network_address), str(network.broadcast_address), network.prefixlen,
                str(network.netmask), first, last, count)
    got = (answer["network"], answer["broadcast"], answer["prefix_length"], answer["mask"],
           answer["first_host"], answer["last_host"], answer["host_count"])
    agree += expected == got
print("%d of %d answers agree with Python's ipaddress (network, broadcast, length, mask, hosts)"
      % (agree, len(lines)))
PY
