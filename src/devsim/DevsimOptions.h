// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of korvisel-devsim: one simulated device per port, each with its own faults.
#pragma once

#include "link/SimulatedDevice.h"

#include <string>
#include <vector>

namespace korvisel::devsim {

struct TDeviceSetup {
    std::string Port = "COM9";
    std::string Load;
    std::string Save;
    std::string Version = "2.59";
    TDeviceFaults Faults;
};

extern const char* const Usage;

// Options before the first --port apply to every device; those after a --port to that device
// only. Returns the exit status when the program ends here (help, a mistake), else -1.
int ParseOptions(int argc, char** argv, std::vector<TDeviceSetup>& devices);

} // namespace korvisel::devsim
