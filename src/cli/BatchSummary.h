// SPDX-License-Identifier: GPL-3.0-or-later
// How korvisel-cli words the end of each device of a batch: the row's result while it runs and the
// table that ends the command.
#pragma once

#include "link/BatchTransfer.h"

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

} // namespace korvisel::cli
