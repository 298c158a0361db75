// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SitePorts.h"

#include "core/AsciiText.h"

#include <algorithm>
#include <set>

namespace korvisel {

bool HasPortColumn(const TCsvTable& table) {
    return std::ranges::find(table.Header, PortColumn) != table.Header.end();
}

void AssignSitePorts(std::vector<TSiteRow>& rows, bool portColumn, const TGivenPorts& given) {
    const std::string count = std::to_string(given.Ports.size());
    const std::string column(PortColumn);
    if (!portColumn) {
        for (std::size_t n = 0; n < rows.size(); ++n) {
            if (n < given.Ports.size())
                rows[n].Port = given.Ports[n];
            else
                rows[n].Problems.push_back(
                    {column, "no port left for this row: " + given.Option + " gives " + count});
        }
        return;
    }
    std::set<std::string> allowed;
    for (const std::string& port : given.Ports)
        allowed.insert(AsciiUpper(port));
    for (TSiteRow& row : rows) {
        if (row.Port.empty())
            row.Problems.push_back(
                {column, "no port: a table with a Port column names the port of every row"});
        else if (!allowed.empty() && !allowed.contains(AsciiUpper(row.Port)))
            row.Problems.push_back(
                {column, row.Port + " is not among the " + count + " ports " + given.Option + " gives"});
    }
}

} // namespace korvisel
