#pragma once

// Sets of IPv4 addresses written as prefixes, the way route and firewall lists hold them:
// merging a list into the fewest prefixes and taking networks out of one. Every result is
// the fewest prefixes holding exactly the set, in address order.

#include "net/ipv4_network.h"

#include <span>
#include <vector>

namespace net {

// The fewest prefixes holding exactly the addresses of all the ranges (or networks), which
// may overlap, touch or repeat, in any order.
std::vector<Ipv4Network> Ipv4Merge(std::span<const Ipv4Range> ranges);
std::vector<Ipv4Network> Ipv4Merge(std::span<const Ipv4Network> networks);

// What is left of `network` once every address of `excluded` is taken out; excluded
// networks may lie partly or wholly outside it, overlap or repeat.
std::vector<Ipv4Network> Ipv4Exclude(const Ipv4Network& network,
                                     std::span<const Ipv4Network> excluded);

} // namespace net
