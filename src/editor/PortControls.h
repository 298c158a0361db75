// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's port controls mapped onto the CPU port and back: the choices each list
// offers, the indexes the dialog selects, and the port's settings as the dialog shows them.
#pragma once

#include "link/PortAssignment.h"

#include <cstdint>
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

// Controls to port: every list with a selection, then the port itself (reconnecting when the path
// changes; a failed connection is not reported here).
void ApplyPortSettings(const TPortControls& controls, TCommPortDriverEx& port);

// ApplyPortSettings after the stored choice was loaded: a stored port that is missing now (unplugged,
// say) stays the port's name, so that the summary names it and the port tells why it cannot open.
void ApplyStoredPortChoice(const TPortControls& controls, TCommPortDriverEx& port, TSettingsStore& store);

// Port to the record the dialog shows, and the record into the controls as the dialog selects them.
TOptSetComm ShowPortSettings(const TCommPortDriverEx& port);
void SetPortControls(const TOptSetComm& shown, TPortControls& controls);

} // namespace korvisel
