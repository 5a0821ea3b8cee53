#pragma once

// Sets of IPv6 addresses written as prefixes, the way route and firewall lists hold them:
// merging a list into the fewest prefixes and taking networks out of one. Every result is
// the fewest prefixes holding exactly the set, in address order.

#include "net/ipv6_network.h"

#include <span>
#include <vector>

namespace net {

// The fewest prefixes holding exactly the addresses of all the ranges (or networks), which
// may overlap, touch or repeat, in any order.
std::vector<Ipv6Network> Ipv6Merge(std::span<const Ipv6Range> ranges);
std::vector<Ipv6Network> Ipv6Merge(std::span<const Ipv6Network> networks);

// What is left of `network` once every address of `excluded` is taken out; excluded
// networks may lie partly or wholly outside it, overlap or repeat.
std::vector<Ipv6Network> Ipv6Exclude(const Ipv6Network& network,
                                     std::span<const Ipv6Network> excluded);

} // namespace net
