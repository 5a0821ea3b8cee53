#pragma once

// The planner's words and the text forms of its tables: what a refusal says, how a count
// reads, the tab-separated text a copy puts on the clipboard, and spreadsheet lines read
// back into needs. QtCore only.

#include "net/address_plan.h"

#include <QString>
#include <QStringList>

#include <vector>

class QAbstractItemModel;

// Decimal digits, the same under every locale.
QString CountText(const net::AddressCount& count);
QString CountText(const net::UInt128& count);

// What is wrong with a parent text that is not a network, in a few words; for an IPv6
// text, the IPv6 parser's own reason and the character where it goes wrong.
QString ParentRefusalText(const QString& typed, net::ParseError error);

// One line on the plan as it stands: the problem when it cannot be met, or what it
// takes of the parent when it can. Names needs by their row's name, or "row N".
QString PlanStatusText(const net::Plan& plan, const net::PlanAnswer& answer);

// The name a need goes by in messages.
QString NeedLabel(const net::Plan& plan, std::size_t need);

// The rows (all when `rows` is empty) with the header line, cells separated by tabs and
// lines ended by newlines; tabs and line breaks inside a cell become blanks.
QString TabSeparated(const QAbstractItemModel& model, const std::vector<int>& rows = {});

// Lines of "name<TAB>size" or "name,size" (a bare size is a need without a name), as a
// spreadsheet copies them. A first line whose size is not one is taken as a header.
struct PastedNeeds
{
    std::vector<net::PlanNeed> needs;
    QString error; // empty when every line was read; else the first line that was not
};
PastedNeeds ReadPastedNeeds(const QString& text);
