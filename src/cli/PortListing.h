// SPDX-License-Identifier: GPL-3.0-or-later
// What `korvisel-cli ports` says about each numbered port, as text for people or JSON for scripts.
#pragma once

#include "link/ScanningSerialPort.h"

#include <string>
#include <vector>

namespace korvisel::cli {

struct TPortRow {
    std::string Port;   // "COM5"
    std::string Device; // the device node it stands for, empty when it maps to nothing
    TPortState State = TPortState::Absent;
    std::string Holder; // the process that holds a busy port, where the system says
};

// The 16 numbered ports as they are now.
std::vector<TPortRow> PortRows();

// One aligned line per port: "COM5   /dev/ttyUSB0   available".
std::string PortRowsText(const std::vector<TPortRow>& rows);
// A JSON array of {"port", "device", "state", "holder"?, "hint"?}; state is one of
// "absent", "available", "busy", "denied".
std::string PortRowsJson(const std::vector<TPortRow>& rows);

} // namespace korvisel::cli
