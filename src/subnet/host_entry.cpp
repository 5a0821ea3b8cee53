#include "subnet/host_entry.h"

#include "core/ip_routines.h"
#include "core/octet_routines.h"
#include "net/ipv4_classful.h"

#include <QCoreApplication>

#include <algorithm>

// The design's class table on the core's: it names 127 apart and calls classes D and E
// invalid, as the panel always has.
AddressClass ClassifyFirstOctet(double value)
{
    const int octet = std::clamp<int>(RoundToInt16(value), 0, 255);
    if (octet == 127)
        return {QCoreApplication::translate("ucSubnetCalc", "Loopback Address"), 2};
    switch (net::Ipv4ClassOf(net::Ipv4Address::fromOctets(std::uint8_t(octet), 0, 0, 0))) {
    case net::AddressClass::A:
        return {QCoreApplication::translate("ucSubnetCalc", "Class A Address"), 1};
    case net::AddressClass::B:
        return {QCoreApplication::translate("ucSubnetCalc", "Class B Address"), 2};
    case net::AddressClass::C:
        return {QCoreApplication::translate("ucSubnetCalc", "Class C Address"), 3};
    case net::AddressClass::D:
    case net::AddressClass::E:
        break;
    }
    return {QCoreApplication::translate("ucSubnetCalc", "Invalid IP Address"), 3};
}

QString HostOctetBinary(const QString& octetText)
{
    const QString text = octetText.isEmpty() ? QStringLiteral("0") : octetText;
    return OctetToBin(RoundToInt16(NumericValue(text)));
}
