// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortAssignment.h"

#include "settings/Settings.h"

#include <algorithm>

namespace korvisel {
namespace {

constexpr TBaudRate SpeedCodes[] = {br110,  br300,   br1200,  br2400,  br4800,
                                    br9600, br19200, br38400, br57600, br115200};
constexpr TParity ParityCodes[] = {ptNONE, ptEVEN, ptODD, ptMARK, ptSPACE};

bool Selected(int index, std::size_t count) {
    return index >= 0 && static_cast<std::size_t>(index) < count;
}

// The display name of a device path: the path without its "\\.\" prefix.
std::string WithoutPrefix(const std::string& path) {
    return path.size() > 4 ? path.substr(4) : std::string{};
}

} // namespace

int IndexOf(const std::vector<std::string>& list, const std::string& item) {
    const auto found = std::find(list.begin(), list.end(), item);
    return found == list.end() ? NoSelection : static_cast<int>(found - list.begin());
}

std::string ShownSpeedText(TBaudRate rate) {
    switch (rate) {
    case brCustom:
    case br110:
        return "110";
    case br300:
    case br600:
        return "300";
    case br1200:
        return "1200";
    case br2400:
        return "2400";
    case br4800:
        return "4800";
    case br9600:
    case br14400:
        return "9600";
    case br19200:
        return "19200";
    case br38400:
    case br56000:
        return "38400";
    case br115200:
        return "115200";
    default:
        return "57600";
    }
}

std::vector<std::string> BuildPortList(TCommPortDriverEx& port) {
    port.ScanPorts();
    std::vector<std::string> names;
    for (int k = 1; k <= port.CommCount(); ++k)
        names.push_back(port.PortNameAt(k));
    // The open port is added for a name the scan cannot number; a name the scan found is listed once.
    if (port.IsConnected())
        if (const std::string open = WithoutPrefix(port.PortName());
            std::find(names.begin(), names.end(), open) == names.end())
            names.push_back(open);
    return names;
}

int PortAvailabilityOf(const std::vector<std::string>& portNames) {
    return static_cast<int>(std::min<std::size_t>(portNames.size(), 2));
}

std::optional<bool> UpdateReadWrite(int& portAvailability, int newAvailability) {
    if (newAvailability == portAvailability)
        return std::nullopt;
    portAvailability = newAvailability;
    return newAvailability != 0;
}

int LoadPortChoice(TSettingsStore& store, const std::vector<std::string>& portNames) {
    const std::optional<std::string> storedValue = ReadCpuPort(store);
    const std::string stored = storedValue.value_or("");
    int choice = NoSelection;
    if (!portNames.empty() && storedValue)
        choice = stored.empty() ? 0 : IndexOf(portNames, stored);
    // A stored port that is missing now (unplugged, say) stays the stored choice for when it is back.
    if (Selected(choice, portNames.size()))
        SavePortChoice(store, portNames[static_cast<std::size_t>(choice)]);
    else if (stored.empty())
        SavePortChoice(store, "");
    return choice;
}

void SavePortChoice(TSettingsStore& store, const std::string& portName) {
    WriteCpuPort(store, portName);
}

void ApplyPortSettings(const TPortControls& c, TCommPortDriverEx& port) {
    if (Selected(c.SpeedIndex, std::size(SpeedCodes)))
        port.SetBaudRate(SpeedCodes[c.SpeedIndex]);
    if (Selected(c.DataBitsIndex, 4))
        port.SetDataBits(static_cast<TDataBits>(c.DataBitsIndex));
    if (Selected(c.ParityIndex, std::size(ParityCodes)))
        port.SetParity(ParityCodes[c.ParityIndex]);
    if (Selected(c.StopBitsIndex, 3))
        port.SetStopBits(static_cast<TStopBits>(c.StopBitsIndex));
    if (Selected(c.HwFlowIndex, 3))
        port.SetHwFlow(static_cast<THwFlowControl>(c.HwFlowIndex));
    if (Selected(c.SwFlowIndex, 2))
        port.SetSwFlow(static_cast<TSwFlowControl>(c.SwFlowIndex));
    port.SetEnableDTROnOpen(c.DtrIndex != 1);
    port.SetCheckLineStatus(c.DeviceCheck);

    const std::string path =
        DevicePathPrefix +
        (Selected(c.PortIndex, c.PortNames.size()) ? c.PortNames[static_cast<std::size_t>(c.PortIndex)] : "");
    if (path != port.PortName()) {
        port.Disconnect();
        port.SetPortName(path);
        port.Connect();
    }
}

void ApplyStoredPortChoice(const TPortControls& controls, TCommPortDriverEx& port, TSettingsStore& store) {
    ApplyPortSettings(controls, port);
    if (Selected(controls.PortIndex, controls.PortNames.size()))
        return;
    const std::string stored = ReadCpuPort(store).value_or("");
    if (stored.empty() || port.PortName() == std::string(DevicePathPrefix) + stored)
        return;
    port.Disconnect();
    port.SetPortName(std::string(DevicePathPrefix) + stored);
}

TOptSetComm ShowPortSettings(const TCommPortDriverEx& port) {
    TOptSetComm shown;
    shown.PortText = WithoutPrefix(port.PortName());
    shown.SpeedText = ShownSpeedText(port.BaudRate());
    shown.DataBitsIndex = port.DataBits();
    shown.StopBitsIndex = port.StopBits();
    shown.HwFlowIndex = port.HwFlow();
    shown.SwFlowIndex = port.SwFlow();
    shown.ParityIndex = static_cast<std::uint8_t>(
        std::find(std::begin(ParityCodes), std::end(ParityCodes), port.Parity()) - std::begin(ParityCodes));
    shown.DeviceCheck = port.CheckLineStatus();
    shown.DtrIndex = port.EnableDTROnOpen() ? 0 : 1;
    return shown;
}

void SetPortControls(const TOptSetComm& shown, TPortControls& controls) {
    controls.SpeedIndex = std::max(IndexOf(PortChoices::Speeds, shown.SpeedText), 0);
    controls.DataBitsIndex = shown.DataBitsIndex;
    controls.ParityIndex = shown.ParityIndex;
    controls.StopBitsIndex = shown.StopBitsIndex;
    controls.HwFlowIndex = shown.HwFlowIndex;
    controls.SwFlowIndex = shown.SwFlowIndex;
    controls.DtrIndex = shown.DtrIndex;
    controls.DeviceCheck = shown.DeviceCheck;
}

std::string ShowPortSummary(const std::string& header, const TCommPortDriverEx& port) {
    static const char* const parity[] = {"N, ", "O, ", "E, ", "M, ", "S, "};
    static const char* const stopBits[] = {"1   Hw: ", "1.5 Hw: ", "2   Hw: "};
    static const char* const hwFlow[] = {"NONE  Sw: ", "RTS   SW: ", "RTS/CTS  Sw: "};
    static const char* const swFlow[] = {"NONE", "XON/XOFF"};
    const std::string& path = port.PortName();
    return header + (path.size() > 4 ? path.substr(4, 5) : std::string{}) + ", " +
           std::to_string(port.BaudRateValue()) + ", " + std::to_string(5 + port.DataBits()) + ", " +
           parity[port.Parity()] + stopBits[port.StopBits()] + hwFlow[port.HwFlow()] + swFlow[port.SwFlow()];
}

std::string PortDisplayName(const TCommPortDriver& port) {
    const std::string& path = port.PortName();
    const std::size_t prefix = std::string_view(DevicePathPrefix).size();
    return path.size() > prefix ? path.substr(prefix) : std::string{};
}

std::string PortProblemText(const TCommPortDriverEx& port, const TLanguageTexts& texts) {
    const std::string name = PortDisplayName(port);
    if (name.empty())
        return {};
    if (port.IsConnected()) {
        if (port.RefusedSettings().empty())
            return {};
        return WithArguments(texts.Text("PRG_PORT_SETTINGS_REFUSED"), {name, port.RefusedSettings()});
    }
    const std::string reason = port.LastError().empty() ? "the port is not open" : port.LastError();
    return name + ": " + reason;
}

} // namespace korvisel
