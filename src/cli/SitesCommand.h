// SPDX-License-Identifier: GPL-3.0-or-later
// write, read and verify --sites: each row of a sites table, the template with that row's values,
// written into (or compared with) the device on that row's port, every device at once.
#pragma once

#include "cli/Commands.h"
#include "cli/LineOptions.h"

namespace korvisel::cli {

enum class TSitesCommand { Write, Read, Verify };

// The command once its options are parsed: options.Sites names the table, options.Operands[0] the
// template; read saves into the folder options.Output. Returns the exit status.
int RunSitesBatch(const TArgs& args, const TLineOptions& options, TSitesCommand command);

} // namespace korvisel::cli
