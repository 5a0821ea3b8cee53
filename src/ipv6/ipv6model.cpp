#include "ipv6/ipv6model.h"

#include "ipv6/ipv6_texts.h"

Ipv6Model::Ipv6Model(QObject* parent) : QObject(parent)
{
    m_value.prefixLength = kStartLength;
}

void Ipv6Model::setEntryText(const QString& text)
{
    m_entryText = text;
    const QString trimmed = text.trimmed();
    const QByteArray utf8 = trimmed.toUtf8();
    const auto written = net::Ipv6Interface::parseDetailed(utf8.toStdString());
    m_hasAddress = written.ok();
    if (written) {
        m_value.address = written->address;
        if (utf8.contains('/'))
            m_value.prefixLength = written->prefixLength;
        m_status.clear();
    } else {
        m_status = Ipv6Texts::refusal(written.error(), utf8);
    }
    emit changed();
}

void Ipv6Model::setPrefixLength(int length)
{
    if (length == m_value.prefixLength || length < 0 || length > net::Ipv6Address::kBits)
        return;
    m_value.prefixLength = length;
    const qsizetype slash = m_entryText.indexOf(QLatin1Char('/'));
    if (m_hasAddress && slash >= 0) {
        const QString tail = m_entryText.mid(slash + 1);
        const qsizetype blanksAfter = tail.size() - QStringView(tail).trimmed().size();
        m_entryText = m_entryText.left(slash + 1) + QString::number(length) +
                      (blanksAfter > 0 ? tail.right(blanksAfter) : QString());
    }
    if (m_hasAddress)
        m_status.clear();
    emit changed();
}

void Ipv6Model::stepNext()
{
    step(true);
}

void Ipv6Model::stepPrevious()
{
    step(false);
}

void Ipv6Model::step(bool forward)
{
    if (!m_hasAddress)
        return;
    const net::Ipv6Network network = m_value.network();
    const auto stepped = forward ? network.next() : network.previous();
    if (!stepped) {
        m_status = forward ? Ipv6Texts::noNext(network) : Ipv6Texts::noPrevious(network);
    } else {
        m_value.address = stepped->address();
        m_entryText = QString::fromStdString(stepped->toString());
        m_status.clear();
    }
    emit changed();
}
