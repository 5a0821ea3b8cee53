// The IPv6 parser and arithmetic: any text that reads as an address or network writes
// back canonically and reads again as the same value, in both written forms; the
// canonical text is the shortest of the two and never longer than 45 characters; every
// 128-bit value survives both forms and its decimal text; a network holds its own first
// and last addresses and its neighbours do not.

#include "fuzz_helpers.h"

#include "net/ipv6_network.h"

#include <string>

namespace {

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

void CheckValue(net::UInt128 value)
{
    const net::Ipv6Address address(value);
    const std::string canonical = address.toString();
    const std::string expanded = address.toExpandedString();
    FUZZ_CHECK(net::Ipv6Address::parse(canonical).ok(), Text(canonical));
    FUZZ_CHECK(*net::Ipv6Address::parse(canonical) == address, Text(canonical));
    FUZZ_CHECK(*net::Ipv6Address::parse(expanded) == address, Text(expanded));
    FUZZ_CHECK(canonical.size() <= expanded.size() && canonical.size() <= 45, Text(canonical));
    FUZZ_CHECK(canonical.find(":::") == std::string::npos, Text(canonical));
    const std::string decimal = value.toString();
    FUZZ_CHECK(net::UInt128::parse(decimal).ok() && *net::UInt128::parse(decimal) == value,
               Text(decimal));
}

void CheckNetwork(const net::Ipv6Network& network)
{
    const auto text = network.toString();
    FUZZ_CHECK(net::Ipv6Network::parse(text).ok() && *net::Ipv6Network::parse(text) == network,
               Text(text));
    FUZZ_CHECK(network.contains(network.address()) && network.contains(network.last()), Text(text));
    FUZZ_CHECK(network.addressCount() ==
                   net::AddressCount::span(network.address().value(), network.last().value()),
               Text(text));
    if (const auto next = network.next()) {
        FUZZ_CHECK(!network.contains(next->address()), Text(text));
        FUZZ_CHECK(next->previous() == network, Text(text));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::uint64_t high = std::uint64_t{in.uint32()} << 32 | in.uint32();
    const std::uint64_t low = std::uint64_t{in.uint32()} << 32 | in.uint32();
    CheckValue({high, low});
    CheckNetwork(net::Ipv6Network::containing(net::Ipv6Address({high, low}), in.intIn(0, 128)));

    const std::string text = in.rest().toStdString();
    if (const auto written = net::Ipv6Interface::parse(text)) {
        CheckValue(written->address.value());
        CheckNetwork(written->network());
        const auto again = net::Ipv6Interface::parse(written->toString());
        FUZZ_CHECK(again.ok() && *again == *written, Text(text));
    }
    if (const auto network = net::Ipv6Network::parse(text))
        CheckNetwork(*network);
    // A refusal points inside the text (or just past its end, where something is missing).
    if (const auto refused = net::Ipv6Network::parseDetailed(text); !refused) {
        const net::Ipv6ParseFault& fault = refused.error();
        FUZZ_CHECK(fault.position + fault.length <= text.size() &&
                       !net::Ipv6Network::parse(text).ok(),
                   Text(text));
    }
    if (const auto number = net::UInt128::parse(text))
        FUZZ_CHECK(number->toString() == text, Text(text));
    return 0;
}
