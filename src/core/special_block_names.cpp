#include "core/special_block_names.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

// Every name of both registries, once, for lupdate to find; a name the registries gain is
// added here, or it shows in English.
constexpr const char* kNames[] = {
    QT_TRANSLATE_NOOP("SpecialBlockNames", "This network"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "This host on this network"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Private-Use"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Shared Address Space"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Loopback"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Link Local"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "IETF Protocol Assignments"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "IPv4 Service Continuity Prefix"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "IPv4 dummy address"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Port Control Protocol Anycast"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Traversal Using Relays around NAT Anycast"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "NAT64/DNS64 Discovery"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Documentation (TEST-NET-1)"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "AS112-v4"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "AMT"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Deprecated (6to4 Relay Anycast)"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "6a44-relay anycast address"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Direct Delegation AS112 Service"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Benchmarking"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Documentation (TEST-NET-2)"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Documentation (TEST-NET-3)"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Multicast"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Reserved"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Limited Broadcast"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Unspecified Address"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Loopback Address"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "IPv4-mapped Address"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "IPv4-IPv6 Translat."),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Discard-Only Address Block"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Dummy IPv6 Prefix"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "TEREDO"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "DNS-SD Service Registration Protocol Anycast Address"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "AS112-v6"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Deprecated (previously ORCHID)"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "ORCHIDv2"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Drone Remote ID Protocol Entity Tags (DETs) Prefix"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Documentation"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "6to4"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Segment Routing (SRv6) SIDs"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Unique-Local"),
    QT_TRANSLATE_NOOP("SpecialBlockNames", "Link-Local Unicast"),
};

} // namespace

QString SpecialBlockName(std::string_view registryName)
{
    const auto* known =
        std::find_if(std::begin(kNames), std::end(kNames),
                     [registryName](const char* name) { return registryName == name; });
    if (known == std::end(kNames))
        return QString::fromUtf8(registryName.data(), qsizetype(registryName.size()));
    return QCoreApplication::translate("SpecialBlockNames", *known);
}
