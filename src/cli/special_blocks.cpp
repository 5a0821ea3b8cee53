#include "cli/special_blocks.h"

#include "cli/address_args.h"

#include <array>

namespace {

struct BlockEntry
{
    const char* network;
    int length;
    const char* category;
    const char* name;
};

// Most specific first: 255.255.255.255 lies inside 240.0.0.0/4.
constexpr std::array kBlocks = {
    BlockEntry{"255.255.255.255", 32, "limited-broadcast", "Limited Broadcast"},
    BlockEntry{"0.0.0.0", 8, "reserved", "This network"},
    BlockEntry{"10.0.0.0", 8, "private-use", "Private-Use"},
    BlockEntry{"100.64.0.0", 10, "shared-address-space", "Shared Address Space"},
    BlockEntry{"127.0.0.0", 8, "loopback", "Loopback"},
    BlockEntry{"169.254.0.0", 16, "link-local", "Link Local"},
    BlockEntry{"172.16.0.0", 12, "private-use", "Private-Use"},
    BlockEntry{"192.0.0.0", 24, "reserved", "IETF Protocol Assignments"},
    BlockEntry{"192.0.2.0", 24, "documentation", "Documentation (TEST-NET-1)"},
    BlockEntry{"192.88.99.0", 24, "reserved", "Deprecated (6to4 Relay Anycast)"},
    BlockEntry{"192.168.0.0", 16, "private-use", "Private-Use"},
    BlockEntry{"198.18.0.0", 15, "benchmarking", "Benchmarking"},
    BlockEntry{"198.51.100.0", 24, "documentation", "Documentation (TEST-NET-2)"},
    BlockEntry{"203.0.113.0", 24, "documentation", "Documentation (TEST-NET-3)"},
    BlockEntry{"224.0.0.0", 4, "multicast", "Multicast"},
    BlockEntry{"240.0.0.0", 4, "reserved", "Reserved"},
};

QString BlockText(const SpecialBlock& block)
{
    QString text = QString(block.category).replace(QLatin1Char('-'), QLatin1Char(' '));
    if (!block.prefix.isEmpty())
        text += QStringLiteral(" (%1, %2)").arg(block.prefix, block.name);
    return text;
}

} // namespace

SpecialBlock SpecialBlockOf(std::uint32_t address)
{
    for (const BlockEntry& entry : kBlocks) {
        const QString network = QString::fromLatin1(entry.network);
        const std::uint32_t mask = MaskOfLength(entry.length);
        if ((address & mask) == *ParseAddress(network)) {
            return {QString::fromLatin1(entry.category),
                    network + QLatin1Char('/') + QString::number(entry.length),
                    QString::fromLatin1(entry.name)};
        }
    }
    return {QStringLiteral("public"), {}, {}};
}

QList<Field> BlockFields(std::uint32_t address)
{
    const SpecialBlock block = SpecialBlockOf(address);
    return {{{}, QStringLiteral("Block"), BlockText(block)},
            {QStringLiteral("block"), {}, block.category},
            {QStringLiteral("block_prefix"), {}, TextOrNull(block.prefix)},
            {QStringLiteral("block_name"), {}, TextOrNull(block.name)}};
}
