// SPDX-License-Identifier: GPL-3.0-or-later
// korvisel-devsim started as a process for one test, on a private port map.
#pragma once

#include "TempFolder.h"

#include <optional>
#include <string>
#include <vector>

namespace korvisel::test {

class DeviceSimulatorProcess {
public:
    // Starts the simulator and waits until the links of `ports` exist. Without a --port or --count
    // among the options, the one device is on COM9.
    explicit DeviceSimulatorProcess(const std::vector<std::string>& options = {},
                                    const std::vector<std::string>& ports = {"COM9"});
    ~DeviceSimulatorProcess();
    DeviceSimulatorProcess(const DeviceSimulatorProcess&) = delete;
    DeviceSimulatorProcess& operator=(const DeviceSimulatorProcess&) = delete;

    bool Ready() const { return ready_; }
    // Set when the simulator ended before its ports were ready: its exit status.
    std::optional<int> EndedWith() const { return ended_; }
    std::string Folder() const { return folder_.Path(); }
    // Stops it and returns its exit status.
    int Stop();

private:
    TempFolder folder_;
    int pid_ = -1;
    bool ready_ = false;
    std::optional<int> ended_;
};

} // namespace korvisel::test
