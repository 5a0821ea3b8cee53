#pragma once

// Tables as comma-separated values (RFC 4180), for spreadsheets: fields joined by commas,
// records ended by CR LF, and a field that holds a comma, a double quote or a line break
// put in double quotes with its own quotes doubled. Text passes through as bytes, so
// UTF-8 stays UTF-8.

#include <span>
#include <string>
#include <vector>

namespace net {

// One record, its CR LF included.
std::string CsvRecord(std::span<const std::string> fields);

// Every record in order.
std::string CsvTable(std::span<const std::vector<std::string>> records);

} // namespace net
