"""Checks ferol-calc's plans against Python's ipaddress module over random plans.

For vlsm in both families: every network lies in the parent, none overlaps another, each
is the smallest that holds its size (hosts for IPv4, /64 networks for IPv6), the unused
networks are what address_exclude leaves of the parent, collapsed, and a plan is refused
exactly when the rounded sizes overrun the parent, by the number of addresses it says.
For split --count: the first N of ipaddress's subnets, the rest unused.
Usage: vlsm_ipaddress_check.py FEROL_CALC [ROUNDS]; exits 1 on any disagreement.
"""
import ipaddress
import json
import random
import re
import subprocess
import sys

calc = sys.argv[1]
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 300
rng = random.Random(32)
failures = []


def run(*args):
    done = subprocess.run([calc, *args], capture_output=True, text=True)
    return done.returncode, done.stdout, done.stderr


def rest_of(parent, taken):
    left = [parent]
    for network in taken:
        pieces = []
        for block in left:
            if network.subnet_of(block):
                pieces.extend(block.address_exclude(network))
            else:
                pieces.append(block)
        left = pieces
    return sorted(ipaddress.collapse_addresses(left))


def block_bits(family, size):
    if size.startswith("/"):
        return (32 if family == 4 else 128) - int(size[1:])
    count = int(size)
    if family == 6:
        return 64 + (count - 1).bit_length()
    return (count + 1).bit_length()


def check_vlsm(family):
    bits = 32 if family == 4 else 128
    length = rng.randint(16, 30) if family == 4 else rng.randint(32, 60)
    address = rng.getrandbits(bits) >> (bits - length) << (bits - length)
    parent = ipaddress.ip_network((address, length))
    scale = bits - length - (0 if family == 4 else 64)
    sizes = []
    for _ in range(rng.randint(1, 7)):
        if rng.random() < 0.2:
            sizes.append("/%d" % rng.randint(length, bits))
        else:
            sizes.append(str(rng.randint(1, (1 << max(0, scale - 1)) + 3)))
    status, out, err = run("vlsm", str(parent), *sizes, "--json")
    needed = sum(1 << block_bits(family, size) for size in sizes)
    label = "vlsm %s %s" % (parent, " ".join(sizes))
    if needed > parent.num_addresses:
        missing = needed - parent.num_addresses
        if status != 1 or not re.search(r"\b%d address" % missing, err):
            failures.append("%s: should be refused, %d missing: %s%s" % (label, missing, out, err))
        return "refused"
    if status != 0:
        failures.append("%s: refused: %s" % (label, err))
        return "answered"
    answer = json.loads(out)
    networks = [ipaddress.ip_network("%s/%d" % (row["network"], row["prefix_length"]))
                for row in answer["subnets"]]
    given = sorted(str(row.get("hosts_needed", row.get("networks_64_needed", "")))
                   if "length_needed" not in row else "/%d" % row["length_needed"]
                   for row in answer["subnets"])
    if given != sorted(sizes):
        failures.append("%s: sizes %s" % (label, given))
    for row, network in zip(answer["subnets"], networks):
        size = ("/%d" % row["length_needed"] if "length_needed" in row
                else str(row.get("hosts_needed", row.get("networks_64_needed"))))
        if not network.subnet_of(parent) or bits - network.prefixlen != block_bits(family, size):
            failures.append("%s: %s for %s" % (label, network, size))
    for a, b in zip(networks, networks[1:]):
        if a.overlaps(b) or a > b:
            failures.append("%s: %s and %s out of order or overlapping" % (label, a, b))
    unused = [ipaddress.ip_network(text) for text in answer["unused"]]
    if unused != rest_of(parent, networks):
        failures.append("%s: unused %s, ipaddress leaves %s" % (label, answer["unused"],
                                                                rest_of(parent, networks)))
    return "answered"


def check_split(family):
    bits = 32 if family == 4 else 128
    length = rng.randint(8, 28) if family == 4 else rng.randint(16, 120)
    address = rng.getrandbits(bits) >> (bits - length) << (bits - length)
    parent = ipaddress.ip_network((address, length))
    count = rng.randint(1, 40)
    status, out, err = run("split", str(parent), "--count", str(count), "--json")
    more = (count - 1).bit_length()
    label = "split %s --count %d" % (parent, count)
    if length + more > bits:
        if status != 1:
            failures.append("%s: should be refused: %s" % (label, out))
        return
    answer = json.loads(out)
    expected = list(parent.subnets(prefixlen_diff=more))[:count]
    networks = [ipaddress.ip_network("%s/%d" % (row["network"], row["prefix_length"]))
                for row in answer["subnets"]]
    if networks != expected:
        failures.append("%s: %s" % (label, networks))
    if [ipaddress.ip_network(t) for t in answer["unused"]] != rest_of(parent, expected):
        failures.append("%s: unused %s" % (label, answer["unused"]))


outcomes = {}
for _ in range(rounds):
    for family in (4, 6):
        outcome = check_vlsm(family)
        outcomes[outcome] = outcomes.get(outcome, 0) + 1
        check_split(family)
print("plans compared with ipaddress:", outcomes, "and", 2 * rounds, "equal splits")
for failure in failures[:20]:
    print(failure)
sys.exit(1 if failures or len(outcomes) < 2 else 0)
