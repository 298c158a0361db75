// SPDX-License-Identifier: GPL-3.0-or-later
// What `korvisel-cli ports` says about each numbered port, as text for people or JSON for scripts.
#pragma once

#include "link/PortRows.h"

#include <string>
#include <vector>

namespace korvisel::cli {

// One aligned line per port: "COM5   /dev/ttyUSB0   available".
std::string PortRowsText(const std::vector<TPortRow>& rows);
// A JSON array of {"port", "device", "state", "holder"?, "hint"?}; state is one of
// "absent", "available", "busy", "denied".
std::string PortRowsJson(const std::vector<TPortRow>& rows);

} // namespace korvisel::cli
