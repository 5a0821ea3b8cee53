"""Checks what the IPv6 tab showed against Python's ipaddress module.

Reads lines "entry<TAB>compressed<TAB>expanded<TAB>network<TAB>first<TAB>last<TAB>count<TAB>
reverse name<TAB>reverse zone" and prints every line where the tab and ipaddress disagree; exits
with 1 when any did.
"""
import ipaddress
import sys

failed = False
for line in open(sys.argv[1], encoding="utf-8"):
    entry, compressed, expanded, network, first, last, count, reverse, zone = line.rstrip("\n").split("\t")
    interface = ipaddress.IPv6Interface(entry.strip())
    net = interface.network
    length = net.prefixlen
    reverse_pointer = interface.ip.reverse_pointer
    nibbles = reverse_pointer.split(".")[:-2]
    expected_zone = ".".join(nibbles[len(nibbles) - length // 4:] + ["ip6", "arpa"])
    expected = [
        interface.ip.compressed,
        interface.ip.exploded,
        net.with_prefixlen,
        net[0].compressed,
        net[-1].compressed,
        "%d (2^%d)" % (net.num_addresses, 128 - length),
        reverse_pointer,
        expected_zone,
    ]
    shown = [compressed, expanded, network, first, last, count, reverse, zone.split(" (")[0]]
    if shown != expected:
        failed = True
        print("%s: tab %s, ipaddress %s" % (entry, shown, expected))
sys.exit(1 if failed else 0)
