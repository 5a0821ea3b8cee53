#pragma once

// What the subnet panel derives from a host octet box: the binary octet for the
// worksheet and, from the first octet, the classful address class that decides the
// default mask length.

#include <QString>

struct AddressClass
{
    QString caption; // "Class A Address", "Loopback Address", ...
    int addrClass;   // 1, 2 or 3; 8 * addrClass is the default mask length
};

AddressClass ClassifyFirstOctet(double value);

// Binary form of an octet box's text: empty counts as 0, anything else by its leading
// number, rounded and held within 16 bits before the conversion.
QString HostOctetBinary(const QString& octetText);
