#include "ipv6/ipv6_texts.h"

#include "core/special_block_names.h"
#include "net/ipv6_embedded.h"
#include "net/ipv6_special.h"
#include "net/reverse_zone.h"

#include <QStringList>

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Fixed colours: the tab's background is the design's white under every desktop theme,
// and both reach 4.5:1 against it.
constexpr char kNetworkColor[] = "#0b3d91";
constexpr char kInterfaceColor[] = "#4a4a4a";

QString WorksheetHtml(const net::Ipv6Interface& entry)
{
    const QString digits = Text(entry.address.toExpandedString());
    QString html = QStringLiteral("<span style=\"font-family:monospace\">");
    int nibble = 0;
    for (const QChar c : digits) {
        if (c == ':') {
            html += c;
            continue;
        }
        const int firstBit = 4 * nibble++;
        if (firstBit + 4 <= entry.prefixLength) {
            html += QStringLiteral("<b><u style=\"color:%1\">%2</u></b>").arg(kNetworkColor, c);
        } else if (firstBit >= entry.prefixLength) {
            html += QStringLiteral("<span style=\"color:%1\">%2</span>").arg(kInterfaceColor, c);
        } else {
            html += QStringLiteral("<b><i style=\"color:%1\">%2</i></b>").arg(kNetworkColor, c);
        }
    }
    return html + QStringLiteral("</span>");
}

QString Part(const net::Ipv6ParseFault& fault, const QByteArray& text)
{
    return Text(fault.part(std::string_view(text.constData(), std::size_t(text.size()))));
}

} // namespace

QString Ipv6Texts::refusal(const net::Ipv6ParseFault& fault, const QByteArray& text)
{
    using Reason = net::Ipv6ParseReason;
    QString why;
    switch (fault.reason) {
    case Reason::Empty:
        return tr("Type an IPv6 address, with /length if you like.");
    case Reason::ZoneIndex:
        why = tr("zone indexes such as %1 are not part of an address").arg(Part(fault, text));
        break;
    case Reason::Ipv4Address:
        return tr("This is an IPv4 address; the Subnet Calculator tab takes IPv4.");
    case Reason::BadCharacter:
        why = tr("'%1' is not a hex digit").arg(Part(fault, text));
        break;
    case Reason::ColonRun:
        why = tr("three or more colons in a row");
        break;
    case Reason::MoreThanOneGap:
        why = tr("more than one '::'");
        break;
    case Reason::LeadingColon:
        why = tr("it starts with a single ':'");
        break;
    case Reason::TrailingColon:
        why = tr("it ends with a single ':'");
        break;
    case Reason::GroupTooLong:
        why = tr("group %1 has %n digit(s)", "", int(fault.length)).arg(fault.group);
        break;
    case Reason::Ipv4NotLast:
        why = tr("a dotted IPv4 part may only end the address");
        break;
    case Reason::Ipv4Malformed:
        why = tr("the dotted IPv4 part is not four numbers");
        break;
    case Reason::Ipv4LeadingZero:
        why = tr("the dotted IPv4 part has a number with a leading zero");
        break;
    case Reason::Ipv4OutOfRange:
        why = tr("the dotted IPv4 part has a number above 255");
        break;
    case Reason::TooFewGroups:
        why = tr("%n group(s) and no '::'; an address has 8", "", fault.groupCount);
        break;
    case Reason::TooManyGroups:
        why = tr("more than 8 groups");
        break;
    case Reason::GapWithoutRoom:
        why = tr("'::' beside 8 groups stands for none");
        break;
    case Reason::PrefixLengthEmpty:
        why = tr("no prefix length after '/'");
        break;
    case Reason::PrefixLengthNotNumber:
        why = tr("the prefix length is not a number");
        break;
    case Reason::PrefixLengthLeadingZero:
        why = tr("the prefix length has a leading zero");
        break;
    case Reason::PrefixLengthTooLarge:
        why = tr("the prefix length is above 128");
        break;
    case Reason::HostBitsSet:
        why = tr("bits are set beyond the prefix length");
        break;
    }
    return tr("Not an IPv6 address: %1 (at character %2).")
        .arg(why)
        .arg(fault.characterPosition(std::string_view(text.constData(), std::size_t(text.size()))) +
             1);
}

Ipv6ResultTexts Ipv6Texts::results(const net::Ipv6Interface& entry)
{
    const net::Ipv6Network network = entry.network();
    const int length = network.prefixLength();
    Ipv6ResultTexts texts;
    texts.compressed = Text(entry.address.toString());
    texts.expanded = Text(entry.address.toExpandedString());
    texts.network = Text(network.toString());
    texts.first = Text(network.address().toString());
    texts.last = Text(network.last().toString());
    texts.addressCount =
        tr("%1 (2^%2)").arg(Text(network.addressCount().toString())).arg(128 - length);
    if (length <= 64) {
        texts.networks64 = tr("%1 (2^%2)")
                               .arg(Text(net::AddressCount::powerOfTwo(64 - length).toString()))
                               .arg(64 - length);
    }

    const auto* block = net::Ipv6SpecialBlockOf(net::Ipv6Network::containing(entry.address, 128));
    if (!block) {
        texts.block = net::Ipv6OverlapsSpecialBlock(network)
                          ? tr("Global unicast; the network reaches into special-purpose blocks")
                          : tr("Global unicast");
    } else {
        texts.block = tr("%1, %2, %3")
                          .arg(SpecialBlockName(block->name), Text(block->network.toString()),
                               Text(block->rfc));
        if (!block->network.contains(network))
            texts.block += tr("; the network reaches beyond this block");
    }

    QStringList embedded;
    if (const auto mapped = entry.address.mappedIpv4())
        embedded << tr("IPv4-mapped: %1").arg(Text(mapped->toString()));
    if (const auto sixToFour = net::SixToFourIpv4(entry.address))
        embedded << tr("6to4: %1").arg(Text(sixToFour->toString()));
    if (const auto teredo = net::TeredoEndpointsOf(entry.address)) {
        embedded << tr("Teredo: server %1, client %2, port %3")
                        .arg(Text(teredo->server.toString()), Text(teredo->client.toString()))
                        .arg(teredo->port);
    }
    if (const auto nat64 = net::Nat64Ipv4(entry.address))
        embedded << tr("NAT64: %1").arg(Text(nat64->toString()));
    texts.embeddedIpv4 = embedded.isEmpty() ? tr("None") : embedded.join(QStringLiteral("; "));

    texts.reverseName = Text(net::ReverseZone(net::Ipv6Network::containing(entry.address, 128)));
    texts.reverseZone = Text(net::ReverseZone(network));
    if (length % 4 != 0) {
        texts.reverseZone += tr(" (/%1 is not on a nibble boundary; this is the zone of /%2)")
                                 .arg(length)
                                 .arg(length / 4 * 4);
    }
    texts.worksheet = WorksheetHtml(entry);
    return texts;
}

QString Ipv6Texts::noNext(const net::Ipv6Network& network)
{
    return tr("No network follows %1: it ends the address space.").arg(Text(network.toString()));
}

QString Ipv6Texts::noPrevious(const net::Ipv6Network& network)
{
    return tr("No network comes before %1: it starts the address space.")
        .arg(Text(network.toString()));
}
