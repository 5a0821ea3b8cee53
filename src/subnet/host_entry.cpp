#include "subnet/host_entry.h"

#include "core/ip_routines.h"
#include "core/octet_routines.h"

#include <QCoreApplication>

AddressClass ClassifyFirstOctet(double value)
{
    if (value < 127)
        return {QCoreApplication::translate("ucSubnetCalc", "Class A Address"), 1};
    if (value == 127)
        return {QCoreApplication::translate("ucSubnetCalc", "Loopback Address"), 2};
    if (value < 192)
        return {QCoreApplication::translate("ucSubnetCalc", "Class B Address"), 2};
    if (value < 224)
        return {QCoreApplication::translate("ucSubnetCalc", "Class C Address"), 3};
    return {QCoreApplication::translate("ucSubnetCalc", "Invalid IP Address"), 3};
}

QString HostOctetBinary(const QString& octetText)
{
    const QString text = octetText.isEmpty() ? QStringLiteral("0") : octetText;
    return OctetToBin(RoundToInt16(NumericValue(text)));
}
