#pragma once

// The subnets of one network at a longer prefix, as a list the view asks row by row: the
// rows are made when shown, so 2^16 of them cost nothing until scrolled to. Beyond
// kMaxRows the list holds the first kMaxRows and says how many more there are. The
// same rows make the text report ipv6-subnets.txt.

#include "net/address_count.h"
#include "net/ipv6_network.h"

#include <QAbstractListModel>
#include <QByteArray>

inline constexpr char kIpv6SubnetReportFileName[] = "ipv6-subnets.txt";

class Ipv6SubnetList : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int kMaxRows = 1 << 16;

    explicit Ipv6SubnetList(QObject* parent = nullptr);

    // length must lie above the network's own and at most 128.
    void setSplit(const net::Ipv6Network& network, int length);
    void clear();

    // Every subnet of the split, exact, even beyond what is listed.
    net::AddressCount subnetCount() const;
    // What the listing says about its size ("256 subnets of /56", "... first 65536 shown"),
    // in the window's language.
    QString summary() const;
    // The summary in English and every listed subnet, as the report file holds them.
    QByteArray reportBytes() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QString rowText(int row) const;
    // The summary, its words translated or as written.
    QString summaryText(bool translated) const;

    net::Ipv6Network m_network;
    int m_length = 0;
    int m_rows = 0;
};
