#pragma once

// The IPv6 tab's words: what each refusal of the parser means, and every result of a
// network written out. The arithmetic is net's; here it only becomes text, every
// sentence through tr() so that a translation can follow.

#include "net/ipv6_network.h"
#include "net/ipv6_parse_fault.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

struct Ipv6ResultTexts
{
    QString compressed;
    QString expanded;
    QString network;
    QString first;
    QString last;
    QString addressCount;
    QString networks64; // empty when the prefix is longer than /64
    QString block;
    QString embeddedIpv4;
    QString reverseName;
    QString reverseZone;
    // The eight groups as rich text: network digits bold and underlined in one colour,
    // interface digits plain in another, a digit holding both italic.
    QString worksheet;
};

class Ipv6Texts
{
    Q_DECLARE_TR_FUNCTIONS(Ipv6Texts)

public:
    // Why the entry is not an address, in words, with the character where it goes wrong;
    // text is what the parser read, in UTF-8.
    static QString refusal(const net::Ipv6ParseFault& fault, const QByteArray& text);
    static Ipv6ResultTexts results(const net::Ipv6Interface& entry);
    // Stepping refused at either end of the address space.
    static QString noNext(const net::Ipv6Network& network);
    static QString noPrevious(const net::Ipv6Network& network);
};
