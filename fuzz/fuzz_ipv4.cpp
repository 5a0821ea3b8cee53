// The IPv4 address core: its parsers accept only canonical text and give it back as it
// was written; the arithmetic keeps networks ordered and nested (a subnet lies inside its
// network, the next network starts right after the broadcast, a cover tiles its range,
// the special-purpose block of a network holds it and no finer block does).

#include "fuzz_bytes.h"

#include "net/ipv4_classful.h"
#include "net/ipv4_cover.h"
#include "net/ipv4_special_blocks.h"
#include "net/ipv4_wildcard.h"
#include "net/number_text.h"

using namespace net;

namespace {

std::string Named(const Ipv4Network& network)
{
    return network.toString();
}

void CheckTexts(FuzzBytes& in)
{
    const std::string text = in.bytes(40);
    if (const auto address = Ipv4Address::parse(text))
        FUZZ_REQUIRE(address->toString() == text, text);
    if (const auto written = Ipv4Interface::parse(text)) {
        const auto again = Ipv4Interface::parse(written->toString());
        FUZZ_REQUIRE(again && *again == *written, text);
        FUZZ_REQUIRE(written->network().contains(written->address), text);
    }
    if (const auto network = Ipv4Network::parse(text))
        FUZZ_REQUIRE(network->address() == Ipv4Interface::parse(text)->address, text);
    if (const auto number = ParseWholeNumber(text, ~std::uint64_t{0}))
        FUZZ_REQUIRE(std::to_string(*number) == text, text);
    const Ipv4Address any(in.uint32());
    FUZZ_REQUIRE(*Ipv4Address::parse(any.toString()) == any, any.toString());
}

void CheckNetworks(FuzzBytes& in)
{
    const Ipv4Address a(in.uint32());
    const int length = in.intIn(0, 32);
    const Ipv4Network network = Ipv4Network::containing(a, length);
    const std::string name = Named(network);
    FUZZ_REQUIRE(network.contains(a) && network.address() <= a && a <= network.broadcast(), name);
    FUZZ_REQUIRE(network.range().size() == network.addressCount(), name);
    FUZZ_REQUIRE(*Ipv4Network::parse(network.toString()) == network, name);
    if (const auto next = network.next()) {
        FUZZ_REQUIRE(network < *next && next->address().value() == network.broadcast().value() + 1,
                     name);
        FUZZ_REQUIRE(next->previous() == network, name);
    }
    const int longer = in.intIn(length, 32);
    const std::uint64_t index = in.uint32() % network.subnetCount(longer);
    const Ipv4Network part = network.subnet(longer, index);
    FUZZ_REQUIRE(network.contains(part) && part.prefixLength() == longer, name);
    const Ipv4Network other = Ipv4Network::containing(Ipv4Address(in.uint32()), in.intIn(0, 32));
    // Two networks are nested or apart, never partly overlapping.
    const bool apart =
        network.broadcast() < other.address() || other.broadcast() < network.address();
    FUZZ_REQUIRE(apart != (network.contains(other) || other.contains(network)),
                 name + " " + Named(other));

    if (const auto hosts = network.hosts(in.byte() & 1))
        FUZZ_REQUIRE(network.contains(hosts->first) && network.contains(hosts->last) &&
                         hosts->first <= hosts->last,
                     name);

    const Ipv4SpecialBlock* block = Ipv4SpecialBlockOf(network);
    for (const Ipv4SpecialBlock& candidate : Ipv4SpecialBlocks()) {
        if (candidate.network.contains(network))
            FUZZ_REQUIRE(block && block->network.prefixLength() >= candidate.network.prefixLength(),
                         name);
    }
    FUZZ_REQUIRE(!block || (block->network.contains(network) && Ipv4OverlapsSpecialBlock(network)),
                 name);

    const int classful = 8 * in.intIn(1, 3);
    const ClassfulAnalysis analysis = AnalyseClassful(a, classful, length, in.byte() & 1);
    FUZZ_REQUIRE(analysis.figures.has_value() == (length >= classful), name);
    if (analysis.figures)
        FUZZ_REQUIRE(analysis.figures->subnetBits + analysis.figures->hostBits + classful == 32,
                     name);
}

void CheckCoverAndWildcard(FuzzBytes& in)
{
    Ipv4Address first(in.uint32()), last(in.uint32());
    if (last < first)
        std::swap(first, last);
    std::uint64_t next = first.value();
    const auto cover = Ipv4CoverOfRange(first, last);
    FUZZ_REQUIRE(cover.size() <= 62, first.toString() + " " + last.toString());
    for (const Ipv4Network& network : cover) {
        FUZZ_REQUIRE(network.address().value() == next, first.toString() + " " + last.toString());
        next += network.addressCount();
    }
    FUZZ_REQUIRE(next == std::uint64_t{last.value()} + 1, first.toString() + " " + last.toString());

    const Ipv4Wildcard wildcard{Ipv4Address(in.uint32()), Ipv4Address(in.uint32())};
    const std::string name = wildcard.address.toString() + " " + wildcard.wildcard.toString();
    FUZZ_REQUIRE(wildcard.matches(wildcard.address), name);
    FUZZ_REQUIRE(
        wildcard.matches(Ipv4Address(wildcard.address.value() | wildcard.wildcard.value())), name);
    std::uint64_t product = 1;
    for (int octet = 0; octet < 4; ++octet) {
        std::uint64_t values = 0;
        for (const OctetRun& run : wildcard.octetRuns(octet))
            values += std::uint64_t(run.last - run.first + 1);
        product *= values;
    }
    FUZZ_REQUIRE(product == wildcard.matchCount(), name);
    const Ipv4Network around = wildcard.enclosingNetwork();
    FUZZ_REQUIRE(
        around.contains(Ipv4Address(wildcard.address.value() & ~wildcard.wildcard.value())), name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    CheckTexts(in);
    CheckNetworks(in);
    CheckCoverAndWildcard(in);
    return 0;
}
