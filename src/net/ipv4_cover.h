#pragma once

// The fewest networks that together hold exactly the addresses first to last, in
// ascending order: at each step the largest aligned block that starts there and ends
// within the range.

#include "net/ipv4_network.h"

#include <vector>

namespace net {

// first must not be above last.
std::vector<Ipv4Network> Ipv4CoverOfRange(Ipv4Address first, Ipv4Address last);

} // namespace net
