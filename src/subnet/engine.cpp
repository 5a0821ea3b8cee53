#include "subnet/engine.h"

#include "core/ip_routines.h"

#include <cmath>

namespace {

const QString kZeros = QStringLiteral("00000000");

QString DottedFromOctets(const std::array<QString, 4>& octets)
{
    QString dotted;
    for (const QString& octet : octets) {
        dotted += QString::number(BinToOctet(octet)) + QLatin1Char('.');
    }
    dotted.chop(1);
    return dotted;
}

QString WholeNumber(double value)
{
    return QString::number(static_cast<qint64>(value));
}

// Fills the counts and the status they imply.
void CalculateCounts(const SubnetInputs& in, SubnetResult& out)
{
    const int m = in.maskBits;
    const int s = m - 8 * in.addrClass;
    if (s < 0) {
        out.status = QStringLiteral("Supernetting");
        return;
    }
    out.subnetBits = QString::number(s);
    out.maxSubnets = WholeNumber(std::pow(2.0, s));
    out.hostBits = QString::number(32 - m);
    const double hosts = std::pow(2.0, 32 - m) - 2;
    out.maxHosts = in.rfc3021 && m == 31 ? QStringLiteral("2") : WholeNumber(hosts < 0 ? 0 : hosts);
    out.status = QStringLiteral("Subnetting");
}

// A subnet field of all zeros or all ones is the classic subnet-zero / all-ones case.
// Positions past the end of a partly entered host string count as ones.
QString SubnetFieldStatus(const SubnetInputs& in)
{
    const QString host = in.hostBin[0] + in.hostBin[1] + in.hostBin[2] + in.hostBin[3];
    bool zeroSeen = false;
    bool oneSeen = false;
    for (int j = 8 * in.addrClass; j < in.maskBits; ++j) {
        if (j < host.size() && host.at(j) == QLatin1Char('0'))
            zeroSeen = true;
        else
            oneSeen = true;
    }
    if (oneSeen && !zeroSeen)
        return QStringLiteral("Invalid Subnet - All 1's");
    if (zeroSeen && !oneSeen)
        return QStringLiteral("Warning! Subnet - All 0's");
    return {};
}

// /31 holds just its two addresses (RFC 3021) and /32 the one; shorter masks leave out
// the network and broadcast addresses.
QString HostRange(const QString& networkBits, const QString& broadcastBits, int m)
{
    if (m >= 31)
        return BinToDotted(networkBits) + QStringLiteral(" to ") + BinToDotted(broadcastBits);
    QString first = networkBits;
    QString last = networkBits;
    for (int j = m; j < 31; ++j) {
        first[j] = QLatin1Char('0');
        last[j] = QLatin1Char('1');
    }
    first[31] = QLatin1Char('1');
    last[31] = QLatin1Char('0');
    return BinToDotted(first) + QStringLiteral(" to ") + BinToDotted(last);
}

} // namespace

SubnetResult CalculateSubnet(const SubnetInputs& in)
{
    const int m = in.maskBits;
    const int s = m - 8 * in.addrClass;
    SubnetResult out;

    out.maskBitsCaption = QLatin1Char(' ') + QString::number(m);
    out.subnetMask = BitsToMask(m);
    CalculateCounts(in, out);
    if (m >= 31)
        out.status = QStringLiteral("Mask too long, no hosts.");
    if (m == 31 && in.rfc3021)
        out.status = QStringLiteral("Subnetting as per RFC3021.");

    const QString maskBits =
        QString(qBound(0, m, 32), QLatin1Char('1')).leftJustified(32, QLatin1Char('0'));
    for (int k = 0; k < 4; ++k) {
        out.maskBin[k] = maskBits.mid(8 * k, 8);
        const QString host = (in.hostBin[k].trimmed() + kZeros).left(8);
        QString network = kZeros;
        QString broadcast = kZeros;
        for (int j = 0; j < 8; ++j) {
            const bool maskOne = out.maskBin[k].at(j) == QLatin1Char('1');
            network[j] = maskOne ? host.at(j) : QLatin1Char('0');
            broadcast[j] = maskOne ? host.at(j) : QLatin1Char('1');
        }
        out.networkBin[k] = network;
        out.broadcastBin[k] = broadcast;
    }
    out.network = DottedFromOctets(out.networkBin);
    out.broadcast = DottedFromOctets(out.broadcastBin);

    if (s > 0) {
        const QString fieldStatus = SubnetFieldStatus(in);
        if (!fieldStatus.isEmpty())
            out.status = fieldStatus;
        for (bool entered : in.octetEntered) {
            if (!entered)
                out.status = QStringLiteral("Enter Complete Host Address");
        }
    }

    const QString networkBits =
        out.networkBin[0] + out.networkBin[1] + out.networkBin[2] + out.networkBin[3];
    const QString broadcastBits =
        out.broadcastBin[0] + out.broadcastBin[1] + out.broadcastBin[2] + out.broadcastBin[3];
    out.hostRange = HostRange(networkBits, broadcastBits, m);
    return out;
}
