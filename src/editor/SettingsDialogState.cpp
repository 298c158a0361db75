// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SettingsDialogState.h"

#include "core/AsciiText.h"
#include "files/FileIo.h"
#include "link/PortMap.h"
#include "settings/Settings.h"

namespace korvisel {
namespace {

// The program's folder as the comparisons take it: without its trailing separator.
std::string WithoutSeparator(const std::string& folder) {
    return folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
}

} // namespace

void LoadOptionValues(TOptionState& options, TSettingsStore& store, const TWorkFolders& folders) {
    const TGeneralSettings general = LoadGeneralSettings(store, folders, IsFolder);
    if (general.ListLength)
        options.ListLength = *general.ListLength;
    options.WorkPath = general.WorkPath;
    options.UseProgramFolder = general.UseProgramFolder;
    options.KeepCopyBeforeWrite = general.KeepDeviceCopy;
    options.Port.PortIndex = LoadPortChoice(store, options.Port.PortNames);
}

void SaveOptionValues(const TOptionState& options, TSettingsStore& store) {
    const auto& names = options.Port.PortNames;
    const bool chosen =
        options.Port.PortIndex >= 0 && options.Port.PortIndex < static_cast<int>(names.size());
    // Without a port chosen (the stored one is missing now) the stored choice stays as it is.
    SaveDialogSettings(store, {chosen ? std::optional(names[static_cast<std::size_t>(options.Port.PortIndex)])
                                      : std::nullopt,
                               options.ListLength, options.WorkPath, options.KeepCopyBeforeWrite});
}

std::string AbsentPortText(const TPortControls& controls, TSettingsStore& store,
                           const TLanguageTexts& texts) {
    if (controls.PortIndex >= 0 && controls.PortIndex < static_cast<int>(controls.PortNames.size()))
        return {};
    const std::string stored = ReadCpuPort(store).value_or("");
    return stored.empty() ? std::string{} : WithArguments(texts.Text("PRG_PORT_ABSENT_CHOICE"), {stored});
}

std::optional<bool> ActivateCpuPort(TCommPortDriverEx& port, TOptionState& options, TSettingsStore& store,
                                    const TWorkFolders& folders, int& portAvailability) {
    options.Port.PortNames = BuildPortList(port);
    port.SetBaudRate(br9600);
    const std::optional<bool> readWrite =
        UpdateReadWrite(portAvailability, PortAvailabilityOf(options.Port.PortNames));
    LoadOptionValues(options, store, folders);
    ApplyStoredPortChoice(options.Port, port, store);
    port.Connect();
    return readWrite;
}

std::optional<bool> RefreshCpuPort(TCommPortDriverEx& port, TPortControls& controls, TSettingsStore& store,
                                   bool dialogOpen, int& portAvailability) {
    if (port.IsConnected())
        if (const auto n = PortNumberOfName(port.PortName()); n && PortState(*n) == TPortState::Absent)
            port.Disconnect();
    const bool picked =
        controls.PortIndex >= 0 && controls.PortIndex < static_cast<int>(controls.PortNames.size());
    const std::string pick = picked ? controls.PortNames[static_cast<std::size_t>(controls.PortIndex)] : "";
    controls.PortNames = BuildPortList(port);
    const std::optional<bool> readWrite =
        UpdateReadWrite(portAvailability, PortAvailabilityOf(controls.PortNames));
    if (dialogOpen) {
        controls.PortIndex = IndexOf(controls.PortNames, pick);
    } else {
        controls.PortIndex = LoadPortChoice(store, controls.PortNames);
        ApplyStoredPortChoice(controls, port, store);
    }
    if (!port.IsConnected())
        port.Connect();
    return readWrite;
}

void CheckUseProgramFolder(TOptionState& options, std::string& remembered, const std::string& programFolder) {
    remembered = options.WorkPath;
    options.WorkPath = programFolder;
    options.UseProgramFolder = true;
}

void UncheckUseProgramFolder(TOptionState& options, std::string& remembered, const std::string& programFolder,
                             const TFolderBrowser& browse) {
    const std::string program = WithoutSeparator(programFolder);
    options.UseProgramFolder = false;
    // Without a remembered folder there is nothing to go back to, and the user is asked instead.
    if (!options.WorkPath.empty() && options.WorkPath != program && !remembered.empty()) {
        options.WorkPath = remembered;
        return;
    }
    remembered = options.WorkPath;
    const std::string chosen = browse();
    if (!chosen.empty() && chosen != program) {
        options.WorkPath = chosen;
        return;
    }
    options.WorkPath = program;
    options.UseProgramFolder = true;
}

void BrowseWorkFolder(TOptionState& options, const std::string& programFolder, const TFolderBrowser& browse) {
    const std::string chosen = browse();
    if (chosen.empty())
        return;
    options.WorkPath = chosen;
    options.UseProgramFolder = EqualNoCase(chosen, WithoutSeparator(programFolder));
}

} // namespace korvisel
