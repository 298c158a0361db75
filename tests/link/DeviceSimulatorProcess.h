// korvisel-devsim started as a process for one test, on a private port map.
#pragma once

#include "TempFolder.h"

#include <string>
#include <vector>

namespace korvisel::test {

class DeviceSimulatorProcess {
public:
    // Starts the simulator linked as COM9 and waits until its port exists.
    explicit DeviceSimulatorProcess(const std::vector<std::string>& options = {});
    ~DeviceSimulatorProcess();
    DeviceSimulatorProcess(const DeviceSimulatorProcess&) = delete;
    DeviceSimulatorProcess& operator=(const DeviceSimulatorProcess&) = delete;

    bool Ready() const { return ready_; }
    std::string Folder() const { return folder_.Path(); }
    // Stops it and returns its exit status.
    int Stop();

private:
    TempFolder folder_;
    int pid_ = -1;
    bool ready_ = false;
};

} // namespace korvisel::test
