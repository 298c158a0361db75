// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortAssignment.h"

#include "settings/Settings.h"

#include <algorithm>

namespace korvisel {
namespace {

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
        if (port.RefusedSettings().Empty())
            return {};
        return WithArguments(texts.Text("PRG_PORT_SETTINGS_REFUSED"),
                             {name, TextOf(port.RefusedSettings(), texts)});
    }
    const TKeyedText& failure = port.LastFailure();
    return name + ": " + TextOf(failure.Empty() ? Keyed("PRG_PORT_NOT_OPEN") : failure, texts);
}

} // namespace korvisel
