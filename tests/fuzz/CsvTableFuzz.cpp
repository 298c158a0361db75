// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a sites table: the reader fails only with a message naming a line, every record it
// gives has the header's cells, numbered from 1 on lines in order, and applying the table to a
// template refuses rows without fault.
#include "files/SitesTable.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvisel;
    const TResult<TCsvTable> table =
        ReadCsvTable(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!table.Ok()) {
        if (table.Reason().empty())
            std::abort();
        return 0;
    }
    std::size_t line = 1;
    for (std::size_t r = 0; r < table.Value().Records.size(); ++r) {
        const TCsvRecord& record = table.Value().Records[r];
        if (record.Number != r + 1 || record.Line <= line ||
            record.Cells.size() != table.Value().Header.size())
            std::abort();
        line = record.Line;
    }
    TProjectInfo projectTemplate;
    projectTemplate.Phones[1] = {"111", "", false};
    const TResult<std::vector<TSiteRow>> rows = ApplySitesTable(table.Value(), projectTemplate);
    if (rows.Ok())
        for (const TSiteRow& row : rows.Value())
            if (row.Problems.empty() == row.FileName.empty())
                std::abort();
    return 0;
}
