#pragma once

// The classful reading of an IPv4 network: the class the first bits give, and what a
// prefix length means beside the class's own length — subnet bits, host bits, how many
// subnets and hosts, and a status. The one text here is the status's wording, which the
// window and the command line must show alike.

#include "net/ipv4_address.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace net {

enum class AddressClass
{
    A, // 0.0.0.0 to 127.255.255.255, 8 network bits
    B, // 128 to 191, 16 bits
    C, // 192 to 223, 24 bits
    D, // 224 to 239, multicast, no network and host parts
    E, // 240 to 255, reserved, no network and host parts
};

AddressClass Ipv4ClassOf(Ipv4Address address);

// 8, 16 or 24; nothing for classes D and E.
std::optional<int> ClassfulLength(AddressClass addressClass);

enum class ClassfulStatus
{
    Subnetting,    // a prefix at or beyond the class's length
    Supernetting,  // a prefix shorter than the class's length
    NoHosts,       // a /31 or /32 leaves no host addresses
    PointToPoint,  // a /31 read as a point-to-point link (RFC 3021)
    SubnetZero,    // the subnet field is all zeros
    AllOnesSubnet, // the subnet field is all ones
};

// "Subnetting", "Mask too long, no hosts.", ...
std::string_view ClassfulStatusText(ClassfulStatus status);

struct ClassfulFigures
{
    int subnetBits = 0;
    int hostBits = 0;
    std::uint64_t maxSubnets = 0;
    std::uint64_t maxHosts = 0;
};

struct ClassfulAnalysis
{
    std::optional<ClassfulFigures> figures; // nothing when supernetting
    ClassfulStatus status = ClassfulStatus::Subnetting;
};

// `host` with a prefix of `length` bits, read against a class length of `classfulLength`
// (both 0 to 32). The subnet field (the bits between the two lengths) decides the status
// before the length does: an all-zeros or all-ones field is named even at /31 and /32.
ClassfulAnalysis AnalyseClassful(Ipv4Address host, int classfulLength, int length, bool rfc3021);

} // namespace net
