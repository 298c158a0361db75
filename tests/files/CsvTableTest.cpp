// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/CsvTable.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

// A read table written back as one line per record: "record@line: cell|cell".
std::string Shown(const TCsvTable& table) {
    std::string shown;
    for (std::size_t c = 0; c < table.Header.size(); ++c)
        shown += (c ? "|" : "") + table.Header[c];
    for (const TCsvRecord& record : table.Records) {
        shown += "\n" + std::to_string(record.Number) + "@" + std::to_string(record.Line) + ":";
        for (std::size_t c = 0; c < record.Cells.size(); ++c)
            shown += (c ? "|" : "") + record.Cells[c];
    }
    return shown;
}

TEST(CsvTable, ReadsWhatSpreadsheetsWrite) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string shown; // or the failure's reason
        bool ok = true;
    } cases[] = {
        {"plain LF", "Site,Pin\nA,1234\nB,5678\n", "Site|Pin\n1@2:A|1234\n2@3:B|5678"},
        {"CRLF, no last break", "Site,Pin\r\nA,1234\r\nB,5678", "Site|Pin\n1@2:A|1234\n2@3:B|5678"},
        {"byte order mark", "\xEF\xBB\xBFSite\nA\n", "Site\n1@2:A"},
        {"quoted comma and doubled quote", "Site,Text\n\"Shop, \"\"North\"\"\",x\n",
         "Site|Text\n1@2:Shop, \"North\"|x"},
        {"line break inside quotes: the next record's line counts it", "Site,Text\n\"two\nlines\",a\nB,b\n",
         "Site|Text\n1@2:two\nlines|a\n2@4:B|b"},
        {"CRLF inside quotes is kept", "Site\r\n\"a\r\nb\"\r\n", "Site\n1@2:a\r\nb"},
        {"empty cells, and a short record filled with them", "Site,A,B\nx,,\ny\n",
         "Site|A|B\n1@2:x||\n2@3:y||"},
        {"blank lines are no records", "Site\n\nA\n\r\n\nB\n", "Site\n1@3:A\n2@6:B"},
        {"an empty quoted cell", "Site,A\n\"\",\"\"\n", "Site|A\n1@2:|"},
        {"UTF-8 passes untouched", "Site\n\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0\n",
         "Site\n1@2:\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0"},
        {"unterminated quote names where it opened", "Site,A\nx,\"open\nmore\n",
         "line 2: a quote opened here is never closed", false},
        {"more cells than the header", "Site,A\nx,1\ny,2,3\n", "line 3: 3 cells, more than the header's 2",
         false},
        {"a quote inside an unquoted cell", "Site\nab\"c\n",
         "line 2: a quote inside a cell that does not start with one", false},
        {"text after a closing quote", "Site\n\"ab\"c\n", "line 2: text after a closing quote", false},
        {"nothing at all", "", "the table is empty: it has no header", false},
        {"only a byte order mark", "\xEF\xBB\xBF\r\n", "the table is empty: it has no header", false},
    };
    for (const Case& c : cases) {
        const TResult<TCsvTable> table = ReadCsvTable(c.bytes);
        ASSERT_EQ(table.Ok(), c.ok) << c.name << ": " << table.Reason();
        EXPECT_EQ(c.ok ? Shown(table.Value()) : table.Reason(), c.shown) << c.name;
    }
}

} // namespace
} // namespace korvisel
