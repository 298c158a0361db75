// SPDX-License-Identifier: GPL-3.0-or-later
// What korvisel-cli's batches share: the line settings of every port, one row of progress per device
// while all run at once, Ctrl+C stopping them all, and the folder a batch read saves into.
#pragma once

#include "cli/Commands.h"
#include "link/BatchTransfer.h"

#include <functional>
#include <string>
#include <vector>

namespace korvisel::cli {

// Every port of the batch set up as the command line said.
std::function<void(TCommPortDriverEx&)> LineSettings(const TArgs& args);

// Runs the job on every port at once, one row of progress each on standard error (named by
// `labels`, the ports themselves when there are none), until all end or Ctrl+C stops them. Then
// says on standard error the trace of every failed device and every trace that could not be kept.
// `stopped` tells whether Ctrl+C (or a closed terminal) came.
std::vector<TBatchResult> RunWithProgress(const std::vector<std::string>& ports,
                                          const std::vector<std::string>& labels, const TBatchJob& job,
                                          bool& stopped);

// The folder a batch read saves into, checked before any device is read: 2 (after saying why) when
// it is no folder or cannot be written, else -1.
int CheckReadFolder(const std::string& folder);

// FOLDER/<prefix><date>-<time>-<ms>.KV690, with "sites/" and "sites" naming one folder.
std::string DatedReadFile(const std::string& folder, const std::string& prefix);

} // namespace korvisel::cli
