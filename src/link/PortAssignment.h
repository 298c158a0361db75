// SPDX-License-Identifier: GPL-3.0-or-later
// Which serial port the CPU port uses and with which line settings: the settings dialog's controls
// mapped onto the port and back, the stored port choice, and the status bar summary.
#pragma once

#include "i18n/LanguageTexts.h"
#include "link/ScanningSerialPort.h"
#include "settings/SettingsStore.h"

#include <optional>
#include <string>
#include <vector>

namespace korvisel {

// The choices the settings dialog offers, in their order.
namespace PortChoices {
inline const std::vector<std::string> Speeds = {"110",  "300",   "1200",  "2400",  "4800",
                                                "9600", "19200", "38400", "57600", "115200"};
inline const std::vector<std::string> DataBits = {"5", "6", "7", "8"};
inline const std::vector<std::string> Parities = {"None", "Even", "Odd", "MARKER (1)", "SPACE (0)"};
inline const std::vector<std::string> StopBits = {"1", "1.5", "2"};
inline const std::vector<std::string> HwFlows = {"None", "None but RTS on", "RTS/CTS"};
inline const std::vector<std::string> SwFlows = {"None", "XON\\XOFF"};
inline const std::vector<std::string> DtrControls = {"Standart", "Keep Off"};
} // namespace PortChoices

constexpr int NoSelection = -1;

// The position of `item` in a list of choices, or NoSelection.
int IndexOf(const std::vector<std::string>& list, const std::string& item);

// The port controls of the settings dialog, as indexes into the lists above; the defaults are the
// dialog's design values.
struct TPortControls {
    int SpeedIndex = NoSelection;
    int DataBitsIndex = 3;
    int ParityIndex = NoSelection;
    int StopBitsIndex = 0;
    int HwFlowIndex = 2;
    int SwFlowIndex = 0;
    int DtrIndex = 0;
    bool DeviceCheck = true;
    std::vector<std::string> PortNames;
    int PortIndex = NoSelection;

    bool operator==(const TPortControls&) const = default;
};

// The port's settings as the dialog shows them.
struct TOptSetComm {
    std::string PortText;
    std::string SpeedText;
    std::uint8_t DataBitsIndex = 0;
    std::uint8_t ParityIndex = 0;
    std::uint8_t StopBitsIndex = 0;
    bool DeviceCheck = false;
    std::uint8_t HwFlowIndex = 0;
    std::uint8_t SwFlowIndex = 0;
    std::uint8_t DtrIndex = 0;

    bool operator==(const TOptSetComm&) const = default;
};

// The speed the dialog shows for a speed code.
std::string ShownSpeedText(TBaudRate rate);

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

// Controls to port: every list with a selection, then the port itself (reconnecting when the path
// changes; a failed connection is not reported here).
void ApplyPortSettings(const TPortControls& controls, TCommPortDriverEx& port);

// ApplyPortSettings after the stored choice was loaded: a stored port that is missing now (unplugged,
// say) stays the port's name, so that the summary names it and the port tells why it cannot open.
void ApplyStoredPortChoice(const TPortControls& controls, TCommPortDriverEx& port, TSettingsStore& store);

// Port to the record the dialog shows, and the record into the controls as the dialog selects them.
TOptSetComm ShowPortSettings(const TCommPortDriverEx& port);
void SetPortControls(const TOptSetComm& shown, TPortControls& controls);

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
