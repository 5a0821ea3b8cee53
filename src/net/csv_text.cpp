#include "net/csv_text.h"

namespace net {

namespace {

bool NeedsQuotes(const std::string& field)
{
    return field.find_first_of(",\"\r\n") != std::string::npos;
}

} // namespace

std::string CsvRecord(std::span<const std::string> fields)
{
    std::string record;
    // A record of one empty field would be an empty line, which readers skip as no record.
    if (fields.size() == 1 && fields.front().empty())
        return "\"\"\r\n";
    for (std::size_t index = 0; index < fields.size(); ++index) {
        if (index > 0)
            record += ',';
        const std::string& field = fields[index];
        if (!NeedsQuotes(field)) {
            record += field;
            continue;
        }
        record += '"';
        for (const char c : field) {
            if (c == '"')
                record += '"';
            record += c;
        }
        record += '"';
    }
    return record + "\r\n";
}

std::string CsvTable(std::span<const std::vector<std::string>> records)
{
    std::string table;
    for (const auto& record : records)
        table += CsvRecord(record);
    return table;
}

} // namespace net
