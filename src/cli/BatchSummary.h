// SPDX-License-Identifier: GPL-3.0-or-later
// How korvisel-cli words the end of each device of a batch: the row's result while it runs and the
// table that ends the command.
#pragma once

#include "link/BatchTransfer.h"

#include <optional>
#include <string>
#include <vector>

namespace korvisel::cli {

// "written", "read", "failed", "stopped" or "unconfirmed".
const char* StateWord(TBatchState state, TTransferMode mode);

// What the row says after its result: the problem (with the option that gets past a port without modem
// lines), the file a read went to, or where a stopped transfer left the device.
std::string ResultDetail(const TBatchResult& result, TTransferMode mode);

// "written in 19.8 s: detail", as the row says it when its device ends.
std::string ResultLine(const TBatchResult& result, TTransferMode mode);

// The table that ends the command: port, result, time, firmware, detail.
std::vector<std::string> BatchSummary(const std::vector<TBatchResult>& results, TTransferMode mode);

// How one row of a sites table ended: its device's result, or "refused" for a row never sent.
struct TSiteOutcome {
    std::string Site; // as the table names it; the summary shows it escaped
    std::string Port;
    std::string Result;            // "written", "equal", "different", "failed", "refused", ...
    std::optional<double> Seconds; // none for a row whose device was not touched
    std::string Firmware;
    std::string Detail;
};

// The table that ends a batch over a sites table, one row per site in the table's order: site, port,
// result, time, firmware, detail.
std::vector<std::string> SitesSummary(const std::vector<TSiteOutcome>& outcomes);

} // namespace korvisel::cli
