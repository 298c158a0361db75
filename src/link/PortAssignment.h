// SPDX-License-Identifier: GPL-3.0-or-later
// Which serial port the CPU port uses: the ports listed, the stored port choice, why the port is not
// open, and the status bar summary.
#pragma once

#include "i18n/LanguageTexts.h"
#include "link/ScanningSerialPort.h"
#include "settings/SettingsStore.h"

#include <optional>
#include <string>
#include <vector>

namespace korvisel {

constexpr int NoSelection = -1;

// The position of `item` in a list of choices, or NoSelection.
int IndexOf(const std::vector<std::string>& list, const std::string& item);

// Scans the ports and lists their names, then the open CPU port's own name when the scan did not list it.
std::vector<std::string> BuildPortList(TCommPortDriverEx& port);

// 0, 1 or 2: no port, one port, several.
int PortAvailabilityOf(const std::vector<std::string>& portNames);

// Read and Write follow the availability only when it changes: the new enabled state, or nothing.
std::optional<bool> UpdateReadWrite(int& portAvailability, int newAvailability);

// The stored CPUPort selects a name of the list (an empty value the first one); the choice is then
// written back. A stored port missing from the list stays stored: it is never replaced by nothing.
int LoadPortChoice(TSettingsStore& store, const std::vector<std::string>& portNames);
void SavePortChoice(TSettingsStore& store, const std::string& portName);

// Why the CPU port is not open, for the status bar beside the summary: the chosen port's name and the
// operating system's reason ("COM5: permission denied on /dev/ttyUSB0: ..."); for an open port, the
// line settings it refused and kept its own instead. Empty while the port works as the summary says
// or when no port is chosen.
std::string PortProblemText(const TCommPortDriverEx& port, const TLanguageTexts& texts);

// The port's name as the user knows it ("COM3"); empty while no port is named.
std::string PortDisplayName(const TCommPortDriver& port);

// The status bar's one-line summary of the CPU port, after the text of STATUSHEADER_1.
std::string ShowPortSummary(const std::string& header, const TCommPortDriverEx& port);

} // namespace korvisel
