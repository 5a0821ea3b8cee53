#include "cli/engine_inputs.h"

#include "core/octet_routines.h"
#include "subnet/host_entry.h"

#include <QStringList>

SubnetInputs EngineInputs(const std::array<QString, 4>& octets, int length, bool rfc3021)
{
    SubnetInputs in;
    in.maskBits = length;
    in.addrClass = ClassifyFirstOctet(NumericValue(octets[0])).addrClass;
    in.rfc3021 = rfc3021;
    for (int k = 0; k < 4; ++k) {
        in.hostBin[k] = HostOctetBinary(octets[k]);
        in.octetEntered[k] = true;
    }
    return in;
}

HostSpan HostsOf(const SubnetResult& result, int length, bool rfc3021)
{
    if (length == 31 && !rfc3021)
        return {};
    // The engine's range already is network to broadcast at 31 and 32 bits.
    const QStringList ends = result.hostRange.split(QStringLiteral(" to "));
    const qint64 count = length >= 31 ? (length == 31 ? 2 : 1) : (qint64{1} << (32 - length)) - 2;
    return {ends.value(0), ends.value(1), count};
}
