#include "cli/cli_command.h"

#include "net/ipv4_special_blocks.h"
#include "net/ipv6_special.h"

#include <algorithm>
#include <span>

std::string Padded(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string RightAligned(const std::string& text, std::size_t width)
{
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

CliOutcome Refused(std::string message)
{
    return {kStatusRefused, {}, std::move(message)};
}

CliOutcome Misused(std::string message)
{
    return {kStatusMisused, {}, std::move(message)};
}

CliOutcome RefusedFieldName(const std::string& name, const std::vector<Field>& fields)
{
    std::string message = "'--field " + name + "': no such value; there are";
    for (const Field& field : fields)
        message += field.key.empty() ? "" : " " + std::string(field.key.name());
    return Misused(std::move(message));
}

ReadArgument<net::Ipv4Address> ReadAddress(std::string_view argument)
{
    const auto address = net::Ipv4Address::parse(argument);
    if (!address)
        return {{}, Refused("'" + std::string(argument) + "' is not an IPv4 address")};
    return {*address, std::nullopt};
}

ReadArgument<net::Ipv4Interface> ReadInterface(std::string_view argument)
{
    const std::size_t slash = argument.find('/');
    const ReadArgument<net::Ipv4Address> address = ReadAddress(argument.substr(0, slash));
    if (address.failure || slash == std::string_view::npos)
        return {{address.value, 32}, address.failure};
    const std::string_view suffix = argument.substr(slash + 1);
    const auto length = net::Ipv4ParseLengthOrMask(suffix);
    if (length)
        return {{address.value, *length}, std::nullopt};
    if (length.error() == net::ParseError::NonContiguousMask) {
        return {{},
                Refused("'" + std::string(suffix) +
                        "' is not a subnet mask (leading one bits, then zeros)")};
    }
    return {{},
            Refused("'" + std::string(argument) +
                    "': the prefix length must be a number from 0 to 32")};
}

namespace {

template <typename Interface>
auto NetworkOf(const std::string& argument, const ReadArgument<Interface>& written)
{
    using Network = decltype(written.value.network());
    if (written.failure)
        return ReadArgument<Network>{{}, written.failure};
    const Network network = written.value.network();
    if (network.address() != written.value.address) {
        return ReadArgument<Network>{
            network, Refused("'" + argument + "' is not a network address; the network is " +
                             network.toString())};
    }
    return ReadArgument<Network>{network, std::nullopt};
}

} // namespace

ReadArgument<net::Ipv4Network> ReadNetwork(const std::string& argument)
{
    return NetworkOf(argument, ReadInterface(argument));
}

ReadArgument<net::Ipv6Network> ReadIpv6Network(const std::string& argument)
{
    return NetworkOf(argument, ReadIpv6Interface(argument));
}

namespace {

// Either family's block: the most specific one that holds the network, or whether the
// network holds blocks without lying inside one.
template <typename Block> FieldGroup BlockFieldsOf(const Block* block, bool overlaps)
{
    if (!block) {
        const std::string category = overlaps ? "mixed" : "public";
        const std::string text =
            category == "mixed" ? "mixed (holds special-purpose blocks)" : category;
        return FieldGroup({{{}, "Block", text},
                           {"block", {}, category},
                           {"block_prefix", {}, {}},
                           {"block_name", {}, {}},
                           {"block_flags", {}, {}}});
    }
    std::string category(block->category);
    std::string text = category;
    std::replace(text.begin(), text.end(), '-', ' ');
    text += " (" + block->network.toString() + ", " + std::string(block->name) + ")";
    const net::SpecialFlags& flags = block->flags;
    const JsonObject flagObject = {{"source", flags.source},
                                   {"destination", flags.destination},
                                   {"forwardable", flags.forwardable},
                                   {"globally_reachable", flags.globallyReachable},
                                   {"reserved_by_protocol", flags.reservedByProtocol}};
    return FieldGroup({{{}, "Block", text},
                       {"block", {}, category},
                       {"block_prefix", {}, block->network.toString()},
                       {"block_name", {}, std::string(block->name)},
                       {"block_flags", {}, flagObject}});
}

// A batch asks for the same few dozen answers a million times: each is made once.
template <typename Block, typename Network>
const FieldGroup& CachedBlockFields(std::span<const Block> blocks, const Block* block,
                                    const Network& network, bool (*overlapsBlock)(const Network&))
{
    static const std::vector<FieldGroup> kBlockFields = [&] {
        std::vector<FieldGroup> all;
        for (const Block& each : blocks)
            all.push_back(BlockFieldsOf(&each, false));
        return all;
    }();
    static const FieldGroup kMixed = BlockFieldsOf<Block>(nullptr, true);
    static const FieldGroup kPublic = BlockFieldsOf<Block>(nullptr, false);
    if (block)
        return kBlockFields[std::size_t(block - blocks.data())];
    return overlapsBlock(network) ? kMixed : kPublic;
}

} // namespace

void AddBlockFields(FieldSink& fields, const net::Ipv4Network& network)
{
    fields.add(CachedBlockFields(net::Ipv4SpecialBlocks(), net::Ipv4SpecialBlockOf(network),
                                 network, net::Ipv4OverlapsSpecialBlock));
}

void AddBlockFields(FieldSink& fields, const net::Ipv6Network& network)
{
    fields.add(CachedBlockFields(net::Ipv6SpecialBlocks(), net::Ipv6SpecialBlockOf(network),
                                 network, net::Ipv6OverlapsSpecialBlock));
}
