#pragma once

// The fewest IPv6 networks that together hold exactly the addresses first..last: from
// the bottom, each time the largest network that starts there and does not pass the end.

#include "net/ipv6_address.h"
#include "net/ipv6_network.h"

#include <vector>

namespace net {

// In address order; first must not be above last. At most 254 networks.
std::vector<Ipv6Network> Ipv6CoverOfRange(Ipv6Address first, Ipv6Address last);

} // namespace net
