// What the settings dialog holds between its showings: the port controls and the general values.
// The main window's activation works on it before the dialog's window exists.
#pragma once

#include "app/RecentFiles.h"
#include "app/SettingsStore.h"
#include "link/ComPDEx.h"
#include "link/PortAssignment.h"

#include <optional>
#include <string>

namespace korvisel {

struct TOptionState {
    TPortControls Port;
    int ListLength = DefaultRecentFilesLength;
    std::string WorkPath;
    bool UseProgramFolder = false;
};

// The port steps of every activation of the main window: scan the ports (the CPU port back to
// 9600 bits per second), hand their names to the settings, reload the general values and the stored
// port choice, apply the line settings and the choice, and connect. Returns the new enabled state
// of Read and Write when the number of ports changed between none and some.
std::optional<bool> ActivateCpuPort(TCommPortDriverEx& port, TOptionState& options, TSettingsStore& store,
                                    const std::string& programFolder, int& portAvailability);

} // namespace korvisel
