// SPDX-License-Identifier: GPL-3.0-or-later
// A comma-separated table as RFC 4180 writes it (quoted cells, doubled quotes, commas and line
// breaks inside quotes, CRLF or LF, a UTF-8 byte order mark), read from any bytes: every record
// keeps the file line it starts on, so a message about it can point there.
#pragma once

#include "core/Result.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

struct TCsvRecord {
    std::size_t Number = 0; // data records from 1, the header not counted
    std::size_t Line = 0;   // the file line the record starts on, from 1
    std::vector<std::string> Cells;
};

struct TCsvTable {
    std::vector<std::string> Header;
    std::vector<TCsvRecord> Records;
};

// The first record is the header. A record with fewer cells than the header has the rest empty;
// lines with nothing on them are no records. A failure names the line: an unterminated quote, a
// quote inside an unquoted cell or text after a closing one, a record with more cells than the
// header.
TResult<TCsvTable> ReadCsvTable(std::string_view bytes);

} // namespace korvisel
