// The subnet calculation against plain 32-bit arithmetic: network <= host <= broadcast,
// the mask and counts that follow from the length, and a status that is one of its texts.

#include "fuzz_helpers.h"

#include "subnet/engine.h"
#include "subnet/host_entry.h"

#include <QStringList>

namespace {

// Octet box texts as the panel may hold them: a value 0..255 (clamped above), sometimes
// with a trailing "/" or a character from 128 on, or nothing at all.
QString OctetText(FuzzInput& in)
{
    const std::uint8_t kind = in.byte();
    if (kind % 8 == 0)
        return {};
    QString text = QString::number(in.byte());
    if (kind % 8 == 1)
        text += QLatin1Char('/');
    if (kind % 8 == 2)
        text += QChar(static_cast<char16_t>(128 + in.byte()));
    return text;
}

QString Joined(const std::array<QString, 4>& octets)
{
    return QStringList(octets.begin(), octets.end()).join(QString());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    SubnetInputs inputs;
    inputs.maskBits = in.intIn(1, 32);
    inputs.addrClass = in.intIn(1, 3);
    inputs.rfc3021 = in.byte() & 1;
    std::uint32_t host = 0;
    QString octets;
    bool anyEmpty = false;
    for (int k = 0; k < 4; ++k) {
        const QString text = OctetText(in);
        inputs.hostBin[k] = HostOctetBinary(text);
        inputs.octetEntered[k] = !text.isEmpty();
        host = host << 8 | inputs.hostBin[k].toUInt(nullptr, 2);
        octets += text + QLatin1Char('|');
        anyEmpty = anyEmpty || text.isEmpty();
    }
    const SubnetResult r = CalculateSubnet(inputs);

    const int m = inputs.maskBits;
    const QString context = QStringLiteral("%1 /%2 class %3 rfc %4")
                                .arg(octets)
                                .arg(m)
                                .arg(inputs.addrClass)
                                .arg(inputs.rfc3021);
    const std::uint32_t mask = ~std::uint32_t{0} << (32 - m);
    const std::uint32_t network = host & mask;
    const std::uint32_t broadcast = network | ~mask;
    FUZZ_CHECK(network <= host && host <= broadcast, context);
    FUZZ_CHECK(r.maskBitsCaption == QLatin1Char(' ') + QString::number(m), context);
    FUZZ_CHECK(r.subnetMask == Dotted(mask), context);
    FUZZ_CHECK(r.network == Dotted(network), context + " network " + r.network);
    FUZZ_CHECK(r.broadcast == Dotted(broadcast), context + " broadcast " + r.broadcast);
    FUZZ_CHECK(Joined(r.maskBin) == Bits(mask), context);
    FUZZ_CHECK(Joined(r.networkBin) == Bits(network), context);
    FUZZ_CHECK(Joined(r.broadcastBin) == Bits(broadcast), context);
    // A /32, and a /31 unless read as a point-to-point link, have no host to show.
    const bool hostless = m == 32 || (m == 31 && !inputs.rfc3021);
    const QString first = hostless ? QString() : m == 31 ? Dotted(network) : Dotted(network + 1);
    const QString last = hostless ? QString() : m == 31 ? Dotted(broadcast) : Dotted(broadcast - 1);
    FUZZ_CHECK(r.hostFirst == first && r.hostLast == last,
               context + " range " + r.hostFirst + " " + r.hostLast);

    const int s = m - 8 * inputs.addrClass;
    const QStringList counts{r.subnetBits, r.maxSubnets, r.maxHosts, r.hostBits};
    if (s < 0) {
        FUZZ_CHECK(counts.join(QString()).isEmpty() && r.status == "Supernetting", context);
        return 0;
    }
    const double hosts = m == 31 && inputs.rfc3021 ? 2 : std::max((1LL << (32 - m)) - 2, 0LL);
    FUZZ_CHECK(counts == QStringList({QString::number(s), QString::number(1LL << s),
                                      QString::number(hosts, 'f', 0), QString::number(32 - m)}),
               context + " counts " + counts.join(QLatin1Char(',')));

    const std::uint32_t field = s == 0 ? 0 : (host << (8 * inputs.addrClass)) >> (32 - s);
    QString status = QStringLiteral("Subnetting");
    if (m >= 31)
        status =
            m == 31 && inputs.rfc3021 ? "Subnetting as per RFC3021." : "Mask too long, no hosts.";
    if (s > 0 && field == 0)
        status = QStringLiteral("Warning! Subnet - All 0's");
    if (s > 0 && field == (1u << s) - 1)
        status = QStringLiteral("Invalid Subnet - All 1's");
    if (s > 0 && anyEmpty)
        status = QStringLiteral("Enter Complete Host Address");
    FUZZ_CHECK(r.status == status, context + " status " + r.status);
    return 0;
}
