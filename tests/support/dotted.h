#pragma once

// A 32-bit address as the tests' own arithmetic writes it, independent of the program's
// formatting: four decimal octets, the highest first.

#include <QString>
#include <QStringList>

inline QString Dotted(quint32 a)
{
    QStringList octets;
    for (int shift = 24; shift >= 0; shift -= 8)
        octets << QString::number(a >> shift & 255);
    return octets.join('.');
}
