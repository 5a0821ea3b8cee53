#include "subnet/engine.h"

#include "core/ip_routines.h"
#include "net/ipv4_classful.h"
#include "net/ipv4_network.h"

#include <algorithm>
#include <optional>

#include <QCoreApplication>

namespace {

QString Text(net::Ipv4Address address)
{
    return QString::fromStdString(address.toString());
}

// The worksheet's eight-digit rows of a value, octet by octet.
std::array<QString, 4> BinaryOctets(net::Ipv4Address address)
{
    const auto octets = address.octets();
    return {OctetToBin(octets[0]), OctetToBin(octets[1]), OctetToBin(octets[2]),
            OctetToBin(octets[3])};
}

// The host as the network and broadcast rows read it: each box's trimmed text padded
// with zeros to eight digits, an empty box reading as 00000000.
net::Ipv4Address WorksheetHost(const std::array<QString, 4>& hostBin)
{
    std::uint32_t value = 0;
    for (const QString& octet : hostBin)
        value = value << 8 | std::uint32_t(BinToOctet((octet.trimmed() + "00000000").left(8)));
    return net::Ipv4Address(value);
}

// The host as the subnet field check reads it: the four boxes joined untrimmed, where only
// a "0" is a zero bit and a position past the end of a shorter string counts as a one.
net::Ipv4Address FieldCheckHost(const std::array<QString, 4>& hostBin)
{
    const QString joined = hostBin[0] + hostBin[1] + hostBin[2] + hostBin[3];
    std::uint32_t value = 0;
    for (int j = 0; j < 32; ++j)
        value = value << 1 | (j < joined.size() && joined.at(j) == QLatin1Char('0') ? 0u : 1u);
    return net::Ipv4Address(value);
}

QString StatusText(net::ClassfulStatus status)
{
    switch (status) {
    case net::ClassfulStatus::Subnetting:
        return QCoreApplication::translate("ucSubnetCalc", "Subnetting");
    case net::ClassfulStatus::Supernetting:
        return QCoreApplication::translate("ucSubnetCalc", "Supernetting");
    case net::ClassfulStatus::NoHosts:
        return QCoreApplication::translate("ucSubnetCalc", "Mask too long, no hosts.");
    case net::ClassfulStatus::PointToPoint:
        return QCoreApplication::translate("ucSubnetCalc", "Subnetting as per RFC3021.");
    case net::ClassfulStatus::SubnetZero:
        return QCoreApplication::translate("ucSubnetCalc", "Warning! Subnet - All 0's");
    case net::ClassfulStatus::AllOnesSubnet:
        return QCoreApplication::translate("ucSubnetCalc", "Invalid Subnet - All 1's");
    }
    return {};
}

} // namespace

SubnetResult CalculateSubnet(const SubnetInputs& in)
{
    const int m = in.maskBits;
    const int length = qBound(0, m, 32);
    const int classfulLength = 8 * in.addrClass;
    SubnetResult out;

    out.maskBitsCaption = QLatin1Char(' ') + QString::number(m);
    const net::Ipv4Network network =
        net::Ipv4Network::containing(WorksheetHost(in.hostBin), length);
    out.subnetMask = Text(network.mask());
    out.maskBin = BinaryOctets(network.mask());
    out.networkBin = BinaryOctets(network.address());
    out.broadcastBin = BinaryOctets(network.broadcast());
    out.network = Text(network.address());
    out.broadcast = Text(network.broadcast());
    // A /32 is a lone address here, not a host: the status line says there are no hosts,
    // and the range must not list one.
    const std::optional<net::Ipv4Range> hosts =
        length < 32 ? network.hosts(in.rfc3021) : std::nullopt;
    if (hosts) {
        out.hostFirst = Text(hosts->first);
        out.hostLast = Text(hosts->last);
    }

    const net::ClassfulAnalysis analysis =
        net::AnalyseClassful(FieldCheckHost(in.hostBin), classfulLength, length, in.rfc3021);
    if (analysis.figures) {
        out.subnetBits = QString::number(analysis.figures->subnetBits);
        out.maxSubnets = QString::number(analysis.figures->maxSubnets);
        out.maxHosts = QString::number(analysis.figures->maxHosts);
        out.hostBits = QString::number(analysis.figures->hostBits);
    }
    out.status = StatusText(analysis.status);
    if (m > classfulLength &&
        std::find(in.octetEntered.begin(), in.octetEntered.end(), false) != in.octetEntered.end())
        out.status = QCoreApplication::translate("ucSubnetCalc", "Enter Complete Host Address");
    return out;
}
