#include "net/ipv4_classful.h"

namespace net {

AddressClass Ipv4ClassOf(Ipv4Address address)
{
    const std::uint32_t top = address.value() >> 28;
    if (top < 8)
        return AddressClass::A;
    if (top < 12)
        return AddressClass::B;
    if (top < 14)
        return AddressClass::C;
    if (top < 15)
        return AddressClass::D;
    return AddressClass::E;
}

std::optional<int> ClassfulLength(AddressClass addressClass)
{
    switch (addressClass) {
    case AddressClass::A:
        return 8;
    case AddressClass::B:
        return 16;
    case AddressClass::C:
        return 24;
    case AddressClass::D:
    case AddressClass::E:
        break;
    }
    return std::nullopt;
}

std::string_view ClassfulStatusText(ClassfulStatus status)
{
    switch (status) {
    case ClassfulStatus::Subnetting:
        return "Subnetting";
    case ClassfulStatus::Supernetting:
        return "Supernetting";
    case ClassfulStatus::NoHosts:
        return "Mask too long, no hosts.";
    case ClassfulStatus::PointToPoint:
        return "Subnetting as per RFC3021.";
    case ClassfulStatus::SubnetZero:
        return "Warning! Subnet - All 0's";
    case ClassfulStatus::AllOnesSubnet:
        return "Invalid Subnet - All 1's";
    }
    return {};
}

ClassfulAnalysis AnalyseClassful(Ipv4Address host, int classfulLength, int length, bool rfc3021)
{
    ClassfulAnalysis analysis;
    const int subnetBits = length - classfulLength;
    if (subnetBits < 0) {
        analysis.status = ClassfulStatus::Supernetting;
        return analysis;
    }
    const int hostBits = 32 - length;
    const std::uint64_t addresses = std::uint64_t{1} << hostBits;
    std::uint64_t maxHosts = addresses > 2 ? addresses - 2 : 0;
    if (length == 31 && rfc3021)
        maxHosts = 2;
    analysis.figures =
        ClassfulFigures{subnetBits, hostBits, std::uint64_t{1} << subnetBits, maxHosts};
    if (length >= 31)
        analysis.status =
            rfc3021 && length == 31 ? ClassfulStatus::PointToPoint : ClassfulStatus::NoHosts;
    if (subnetBits > 0) {
        const std::uint32_t field = (host.value() & Ipv4MaskOfLength(length).value())
                                        << classfulLength >>
                                    (32 - subnetBits);
        if (field == 0)
            analysis.status = ClassfulStatus::SubnetZero;
        else if (field == (std::uint32_t{0xFFFFFFFF} >> (32 - subnetBits)))
            analysis.status = ClassfulStatus::AllOnesSubnet;
    }
    return analysis;
}

} // namespace net
