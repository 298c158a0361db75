// SPDX-License-Identifier: GPL-3.0-or-later
// The numbered ports as they are now: the device each stands for, and whether it can be opened.
#pragma once

#include "link/ScanningSerialPort.h"

#include <string>
#include <vector>

namespace korvisel {

struct TPortRow {
    std::string Port;   // "COM5"
    std::string Device; // the device node it stands for, empty when it maps to nothing
    TPortState State = TPortState::Absent;
    std::string Holder; // the process that holds a busy port, where the system says
};

// The 16 numbered ports as they are now.
std::vector<TPortRow> PortRows();

} // namespace korvisel
