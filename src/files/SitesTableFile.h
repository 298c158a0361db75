// SPDX-License-Identifier: GPL-3.0-or-later
// A sites table's file read as a table: what the command line's apply and the window's write to
// several devices both open, with the same size limit and the file named in every reason.
#pragma once

#include "core/Result.h"
#include "files/CsvTable.h"

#include <cstddef>
#include <string>

namespace korvisel {

// Far beyond any batch of sites (10,000 rows take about a megabyte), and well within memory.
constexpr std::size_t LargestSitesTable = 64 * 1024 * 1024;

// "<path>: not found", "<path>: too large for a sites table", "<path>: line 4: ..." when it fails.
TResult<TCsvTable> ReadSitesTableFile(const std::string& path);

} // namespace korvisel
