#include "planner/plan_texts.h"

#include "ipv6/ipv6_texts.h"

#include <QAbstractItemModel>
#include <QCoreApplication>

#include <cmath>

namespace {

// The context the catalogues file these texts under; lupdate finds PlanTexts::tr() calls,
// where a helper of our own would hide them from it.
struct PlanTexts
{
    Q_DECLARE_TR_FUNCTIONS(PlanTexts)
};

QString FamilyName(const net::Plan& plan)
{
    return plan.parent.family() == net::IpFamily::Ipv4 ? QStringLiteral("IPv4")
                                                       : QStringLiteral("IPv6");
}

QString Cell(const QAbstractItemModel& model, int row, int column)
{
    QString text = model.data(model.index(row, column)).toString();
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

QString Unquoted(QString field)
{
    field = field.trimmed();
    if (field.size() >= 2 && field.startsWith(QLatin1Char('"')) && field.endsWith(QLatin1Char('"')))
        field =
            field.mid(1, field.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return field;
}

} // namespace

QString CountText(const net::AddressCount& count)
{
    return QString::fromStdString(count.toString());
}

QString CountText(const net::UInt128& count)
{
    return QString::fromStdString(count.toString());
}

QString ParentRefusalText(const QString& typed, net::ParseError error)
{
    const QByteArray text = typed.trimmed().toUtf8();
    if (text.contains(':')) {
        const auto network = net::Ipv6Network::parseDetailed(text.toStdString());
        if (!network)
            return Ipv6Texts::refusal(network.error(), text);
    }
    switch (error) {
    case net::ParseError::Empty:
        return PlanTexts::tr(
            "Type the network to divide, as 10.0.0.0/24, 10.0.0.0 255.255.255.0 or "
            "2001:db8::/48.");
    case net::ParseError::Malformed:
        return PlanTexts::tr("Not a network: write an address and its prefix length or mask.");
    case net::ParseError::LeadingZero:
        return PlanTexts::tr("Not a network: a number with a leading zero is ambiguous.");
    case net::ParseError::OutOfRange:
        return PlanTexts::tr("Not a network: a part of the address is too large.");
    case net::ParseError::BadPrefixLength:
        return PlanTexts::tr(
            "Not a network: the prefix length is not one the address family allows.");
    case net::ParseError::NonContiguousMask:
        return PlanTexts::tr("Not a network: a mask has its one bits first, with no gap.");
    case net::ParseError::HostBitsSet:
        return PlanTexts::tr("Not a network: the address has bits set beyond the prefix length.");
    case net::ParseError::ZoneIndex:
        return PlanTexts::tr("Not a network: a zone index (%) names a link, not a network.");
    }
    return {};
}

QString NeedLabel(const net::Plan& plan, std::size_t need)
{
    const QString name = QString::fromStdString(plan.needs.at(need).name);
    if (!name.trimmed().isEmpty())
        return QStringLiteral("\u201C%1\u201D").arg(name);
    return PlanTexts::tr("row %1").arg(need + 1);
}

QString PlanStatusText(const net::Plan& plan, const net::PlanAnswer& answer)
{
    const QString parent = QString::fromStdString(plan.parent.toString());
    switch (answer.problem) {
    case net::PlanProblem::DoesNotFit: {
        const QString missing = (answer.missingAtLeast ? PlanTexts::tr("more than ") : QString()) +
                                CountText(answer.missing);
        if (answer.need == net::kNoNeed)
            return PlanTexts::tr("Does not fit: %1 addresses missing in %2.").arg(missing, parent);
        return PlanTexts::tr(
                   "Does not fit: %1 addresses missing in %2; %3 is the first need with no "
                   "room left.")
            .arg(missing, parent, NeedLabel(plan, answer.need));
    }
    case net::PlanProblem::BadNeedLength:
        return PlanTexts::tr("%1 asks for /%2, longer than an %3 address.")
            .arg(NeedLabel(plan, answer.need))
            .arg(plan.needs.at(answer.need).size.value)
            .arg(FamilyName(plan));
    case net::PlanProblem::BadSplitLength:
        return PlanTexts::tr("/%1 is longer than an %2 address.")
            .arg(plan.splitLength)
            .arg(FamilyName(plan));
    case net::PlanProblem::NoNetworks:
        return PlanTexts::tr("Split into how many networks? At least one.");
    case net::PlanProblem::TooManyNetworks:
        return PlanTexts::tr("That makes more than %1 networks; choose fewer.")
            .arg(net::kPlanNetworkLimit);
    case net::PlanProblem::None:
        break;
    }
    net::UInt128 used;
    double share = 0;
    const int parentBits = plan.parent.bits() - plan.parent.prefixLength();
    for (const net::PlanAllocation& allocation : answer.allocations) {
        const int bits = allocation.network.bits() - allocation.network.prefixLength();
        used += net::UInt128(1) << bits;
        share += std::ldexp(1.0, bits - parentBits);
    }
    // All of ::/0 wraps the sum round to 0.
    const bool whole = answer.free.empty() && !answer.allocations.empty();
    const QString usedText = whole ? CountText(plan.parent.addressCount()) : CountText(used);
    const QString networks = PlanTexts::tr("%n network(s)", "", int(answer.allocations.size()));
    return PlanTexts::tr("%1 in %2: %3 of %4 addresses allocated (%5 %).")
        .arg(networks, parent, usedText, CountText(plan.parent.addressCount()),
             QString::number(share * 100, 'f', share < 0.001 && share > 0 ? 4 : 1));
}

QString TabSeparated(const QAbstractItemModel& model, const std::vector<int>& rows)
{
    QStringList header;
    for (int column = 0; column < model.columnCount(); ++column)
        header << model.headerData(column, Qt::Horizontal).toString();
    QString text = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    const auto addRow = [&](int row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << Cell(model, row, column);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    if (rows.empty()) {
        for (int row = 0; row < model.rowCount(); ++row)
            addRow(row);
    } else {
        for (const int row : rows)
            addRow(row);
    }
    return text;
}

PastedNeeds ReadPastedNeeds(const QString& text)
{
    PastedNeeds pasted;
    const QStringList lines = QString(text)
                                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                  .replace(QLatin1Char('\r'), QLatin1Char('\n'))
                                  .split(QLatin1Char('\n'));
    bool first = true;
    for (int k = 0; k < lines.size(); ++k) {
        const QString& line = lines[k];
        if (line.trimmed().isEmpty())
            continue;
        // A tab is a spreadsheet's separator; without one the last comma is, so that a
        // name may hold commas of its own.
        const QChar separator =
            line.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
        const qsizetype at = line.lastIndexOf(separator);
        const QString name = at < 0 ? QString() : Unquoted(line.left(at));
        const QString sizeText = Unquoted(at < 0 ? line : line.mid(at + 1));
        const auto size = net::NeedSize::parse(sizeText.toStdString());
        const bool header = first;
        first = false;
        if (!size) {
            if (header)
                continue;
            pasted.needs.clear();
            pasted.error =
                PlanTexts::tr("Line %1: \u201C%2\u201D is not a size (a number, or /n for a "
                              "prefix length).")
                    .arg(k + 1)
                    .arg(sizeText);
            return pasted;
        }
        pasted.needs.push_back({name.toStdString(), *size});
    }
    return pasted;
}
