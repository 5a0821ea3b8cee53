#include "ipv6/ipv6subnetlist.h"

#include "net/ipv6_subnets.h"

#include <QCoreApplication>

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// The summary's words, for the window and, untranslated, for the report file.
constexpr char kSplitWords[] = QT_TRANSLATE_NOOP("Ipv6SubnetList", "%1 subnets of /%2 in %3");
constexpr char kUnlistedWords[] =
    QT_TRANSLATE_NOOP("Ipv6SubnetList", "; the first %1 are listed, %2 more are not");

} // namespace

Ipv6SubnetList::Ipv6SubnetList(QObject* parent) : QAbstractListModel(parent)
{}

void Ipv6SubnetList::setSplit(const net::Ipv6Network& network, int length)
{
    beginResetModel();
    m_network = network;
    m_length = length;
    const net::AddressCount count = net::Ipv6SubnetCount(network, length);
    m_rows = count > net::AddressCount(kMaxRows) ? kMaxRows : int(*count.toUint64());
    endResetModel();
}

void Ipv6SubnetList::clear()
{
    beginResetModel();
    m_rows = 0;
    endResetModel();
}

net::AddressCount Ipv6SubnetList::subnetCount() const
{
    return m_rows == 0 ? net::AddressCount() : net::Ipv6SubnetCount(m_network, m_length);
}

QString Ipv6SubnetList::summary() const
{
    return summaryText(true);
}

QString Ipv6SubnetList::summaryText(bool translated) const
{
    if (m_rows == 0)
        return {};
    const auto words = [translated](const char* source) {
        return translated ? tr(source) : QString::fromLatin1(source);
    };
    const net::AddressCount count = subnetCount();
    QString text = words(kSplitWords)
                       .arg(Text(count.toString()))
                       .arg(m_length)
                       .arg(Text(m_network.toString()));
    if (count > net::AddressCount(kMaxRows)) {
        const net::AddressCount rest =
            net::Ipv6SubnetsAfter(m_network, m_length, std::uint64_t(kMaxRows));
        text += words(kUnlistedWords).arg(kMaxRows).arg(Text(rest.toString()));
    }
    return text;
}

QByteArray Ipv6SubnetList::reportBytes() const
{
    QByteArray bytes = summaryText(false).toLatin1() + "\r\n";
    for (int row = 0; row < m_rows; ++row)
        bytes += rowText(row).toLatin1() + "\r\n";
    return bytes;
}

int Ipv6SubnetList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant Ipv6SubnetList::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows)
        return {};
    return rowText(index.row());
}

QString Ipv6SubnetList::rowText(int row) const
{
    return Text(
        net::Ipv6SubnetAt(m_network, m_length, net::UInt128(std::uint64_t(row))).toString());
}
