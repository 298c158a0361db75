// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PortControls.h"

#include "settings/Settings.h"

#include <algorithm>
#include <iterator>

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

} // namespace korvisel
