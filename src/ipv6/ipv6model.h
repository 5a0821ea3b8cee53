#pragma once

// The IPv6 tab's state: one interface of the core (an address and its prefix length)
// beside the text the user typed for it, and the status line. Every change comes in
// here and goes out as changed(); the panel draws itself from what it reads back.
//
//   entry text set   -> trimmed and read; a "/len" in it sets the length, a bare address
//                       keeps the length there was; refused text leaves no address and a
//                       status saying why;
//   length set       -> the address keeps, a "/len" in the entry text is rewritten;
//   step             -> the next or previous network of that length, written into the
//                       entry; refused in the status past either end of the space.

#include "net/ipv6_network.h"

#include <QObject>
#include <QString>

class Ipv6Model : public QObject
{
    Q_OBJECT

public:
    static constexpr int kStartLength = 64;

    explicit Ipv6Model(QObject* parent = nullptr);

    void setEntryText(const QString& text);
    void setPrefixLength(int length);
    void stepNext();
    void stepPrevious();

    QString entryText() const { return m_entryText; }
    int prefixLength() const { return m_value.prefixLength; }
    // False while the entry text is not an address.
    bool hasAddress() const { return m_hasAddress; }
    const net::Ipv6Interface& value() const { return m_value; }
    // Why the entry was refused or a step was, or empty.
    QString status() const { return m_status; }

signals:
    void changed();

private:
    void step(bool forward);

    net::Ipv6Interface m_value;
    QString m_entryText;
    QString m_status;
    bool m_hasAddress = false;
};
