// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortRows.h"

#include "link/PortHolder.h"
#include "link/PortMap.h"

namespace korvisel {

std::vector<TPortRow> PortRows() {
    std::vector<TPortRow> rows;
    for (int n = 1; n <= PortCount; ++n) {
        TPortRow row;
        row.Port = "COM" + std::to_string(n);
        row.Device = ResolvePortPath(row.Port).value_or("");
        row.State = PortState(n);
        if (row.State == TPortState::Busy)
            row.Holder = PortHolder(row.Device).value_or("");
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace korvisel
