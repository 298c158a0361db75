// SPDX-License-Identifier: GPL-3.0-or-later
// Write to Several Devices as the window offers it: which ports can take part and why the others
// cannot, every port on the CPU port's line settings, and each device's result in the user's language.
#pragma once

#include "link/BatchTransfer.h"
#include "link/PortRows.h"

#include <functional>
#include <string>
#include <vector>

namespace korvisel {

class TLanguageTexts;

struct TOfferedPort {
    std::string Port;   // "COM5"
    std::string Device; // the device node it stands for
    bool Usable = false;
    std::string Note; // why it cannot be used, or that it is the CPU port

    bool operator==(const TOfferedPort&) const = default;
};

// Every numbered port. The CPU port, which the window itself holds open, can take part: it is closed
// while the devices are written.
std::vector<TOfferedPort> OfferedPorts(const std::vector<TPortRow>& rows, const std::string& cpuPort,
                                       bool cpuPortOpen, const TLanguageTexts& texts);

// "9600, 8-N-1, RTS/CTS, Device Check": the line settings a batch takes from the CPU port.
std::string LineSettingsText(const TCommPortDriverEx& port, const TLanguageTexts& texts);

// Copies the CPU port's line settings onto each port of the batch.
std::function<void(TCommPortDriverEx&)> SameLineSettings(const TCommPortDriverEx& cpuPort);

// The window's write of `payload` (packed from `outgoing`): every port on the CPU port's line
// settings, a backup of each device written, the copy before writing when Settings ask for it, and
// the steps and messages in the user's language.
TBatchJob SeveralDevicesJob(std::string payload, const TDeviceImage& outgoing,
                            const TCommPortDriverEx& cpuPort, bool copyFirst, const TLanguageTexts& texts);

// "written in 19.8 s", "failed: The device not linked up", ...
std::string OfferedResultText(const TBatchResult& result, const TLanguageTexts& texts);

// The line under the rows once every device has ended: how many were written, or, after a stop, the
// devices left unwritten.
std::string BatchEndText(const std::vector<TBatchResult>& results, bool stopped, const TLanguageTexts& texts);

} // namespace korvisel
