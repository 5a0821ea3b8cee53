// The subnet list's rows: every cell is its text cut or padded to the column width, so a
// row is 74 characters whenever the host range holds nine or more, and the file's bytes
// are the lines with CR LF after each.

#include "fuzz_helpers.h"

#include "subnet/report.h"

#include <QStringList>

namespace {

constexpr int kWidths[] = {16, 34, 16};
const QString kSeparator = QStringLiteral(",   ");

void CheckRow(const std::array<QString, 3>& cells)
{
    const QString row = SubnetReportRow(cells[0], cells[1], cells[2]);
    const QString context =
        QStringList(cells.begin(), cells.end()).join(QLatin1Char('|')) + " -> " + row;
    qsizetype at = 0;
    for (int k = 0; k < 3; ++k) {
        const qsizetype width = std::min<qsizetype>(cells[k].size() + 25, kWidths[k]);
        const QString cell = row.mid(at, width);
        FUZZ_CHECK(cell.size() == width && cell.startsWith(cells[k].left(width)), context);
        FUZZ_CHECK(cell.mid(cells[k].size()).trimmed().isEmpty(), context);
        at += width;
        if (k < 2) {
            FUZZ_CHECK(row.mid(at, kSeparator.size()) == kSeparator, context);
            at += kSeparator.size();
        }
    }
    FUZZ_CHECK(at == row.size(), context);
    if (cells[1].size() >= 9)
        FUZZ_CHECK(row.size() == 74, context);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    std::array<QString, 3> cells;
    for (QString& cell : cells)
        cell = in.text(48);
    CheckRow(cells);
    FUZZ_CHECK(SubnetReportHeader().size() == 74, SubnetReportHeader());

    QStringList lines(cells.begin(), cells.end());
    lines += in.rest().split(QLatin1Char('\n'));
    const QByteArray bytes = SubnetReportBytes(lines);
    QByteArray expected;
    for (const QString& line : lines)
        expected += line.toLatin1() + "\r\n";
    FUZZ_CHECK(bytes == expected, lines.join(QLatin1Char('|')));
    return 0;
}
