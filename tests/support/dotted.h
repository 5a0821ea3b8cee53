#pragma once

// 32-bit addresses as the tests' own arithmetic writes them, independent of the program's
// formatting: four decimal octets, the highest first, and masks made by shifting.

#include <QString>
#include <QStringList>

inline QString Dotted(quint32 a)
{
    QStringList octets;
    for (int shift = 24; shift >= 0; shift -= 8)
        octets << QString::number(a >> shift & 255);
    return octets.join('.');
}

inline quint32 MaskOf(int length)
{
    return length == 0 ? 0u : ~0u << (32 - length);
}
