#pragma once

// The subnet calculation: from the panel's inputs (mask length, address class, the
// 31-bit option, the binary host octets and whether each octet box holds text) to every
// text the panel shows. The worksheet's "0"/"1" host strings are read into an address,
// the network, broadcast, host range and classful figures are the address core's (src/net),
// and every text is made from those values the way the worksheet writes them. Nothing is
// kept between calls.
//
// Status precedence, highest first: "Enter Complete Host Address" (subnet field present,
// an octet box empty); the uniform subnet field warnings; the RFC 3021 reading; "Mask too
// long, no hosts."; "Subnetting" or "Supernetting".

#include <QString>

#include <array>

struct SubnetInputs
{
    int maskBits = 16;                // 1..32, the scroll bar
    int addrClass = 1;                // 1, 2 or 3; 8 * addrClass is the classful length
    bool rfc3021 = false;             // the 31-bit option
    std::array<QString, 4> hostBin;   // binary host octets, empty until entered
    std::array<bool, 4> octetEntered; // whether each host octet box holds any text
};

struct SubnetResult
{
    QString maskBitsCaption; // " 26"
    QString subnetMask;      // "255.255.255.192"
    QString subnetBits;      // empty when supernetting
    QString maxSubnets;      // empty when supernetting
    QString maxHosts;        // empty when supernetting
    QString hostBits;        // empty when supernetting
    QString status;
    std::array<QString, 4> maskBin;
    std::array<QString, 4> networkBin;
    std::array<QString, 4> broadcastBin;
    QString network;   // dotted
    QString broadcast; // dotted
    // The host range's ends, dotted; both empty when the network has no host. The panel
    // words the range in the user's language, the report in English.
    QString hostFirst;
    QString hostLast;
};

SubnetResult CalculateSubnet(const SubnetInputs& in);
