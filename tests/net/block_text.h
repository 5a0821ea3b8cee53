#pragma once

// A special-purpose block as the registries print it: its name, then T or F for each of
// the columns source, destination, forwardable, globally reachable, reserved by protocol.

#include "net/special_block.h"

#include <QString>

template <class Network> QString BlockText(const net::SpecialBlock<Network>& block)
{
    QString text = QString::fromUtf8(block.name.data(), qsizetype(block.name.size())) + ' ';
    const net::SpecialFlags& f = block.flags;
    for (bool flag :
         {f.source, f.destination, f.forwardable, f.globallyReachable, f.reservedByProtocol})
        text += flag ? 'T' : 'F';
    return text;
}
