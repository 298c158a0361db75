// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings dialog holds between its showings: the port controls and the general values,
// and the rules of its working folder. The main window's activation works on it before the dialog's
// window exists.
#pragma once

#include "editor/PortControls.h"
#include "files/WorkFolders.h"
#include "i18n/LanguageTexts.h"
#include "link/PortAssignment.h"
#include "link/ScanningSerialPort.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"

#include <functional>
#include <optional>
#include <string>

namespace korvisel {

struct TOptionState {
    TPortControls Port;
    int ListLength = DefaultRecentFilesLength;
    std::string WorkPath;
    bool UseProgramFolder = false;
    // Read what the device holds into a backup before every write.
    bool KeepCopyBeforeWrite = false;

    bool operator==(const TOptionState&) const = default;
};

// The stored general values and the stored port choice, as every activation of the main window and
// of the settings dialog loads them.
void LoadOptionValues(TOptionState& options, TSettingsStore& store, const TWorkFolders& folders);

// What the settings dialog stores when it closes (OK or Cancel) and when it is destroyed.
void SaveOptionValues(const TOptionState& options, TSettingsStore& store);

// The port box's text while no listed port is chosen: the stored port, marked absent (unplugged,
// say); empty when a listed port is chosen or none is stored.
std::string AbsentPortText(const TPortControls& controls, TSettingsStore& store, const TLanguageTexts& texts);

// The port steps of every activation of the main window: scan the ports (the CPU port back to
// 9600 bits per second), hand their names to the settings, reload the general values and the stored
// port choice, apply the line settings and the choice, and connect. Returns the new enabled state
// of Read and Write when the number of ports changed between none and some.
std::optional<bool> ActivateCpuPort(TCommPortDriverEx& port, TOptionState& options, TSettingsStore& store,
                                    const TWorkFolders& folders, int& portAvailability);

// A serial device appeared or went away while the window runs. An open port whose device is gone is
// closed and the names are scanned again. With the settings dialog closed the stored choice is taken
// and the port opened as an activation does; while it is open the port picked there is kept by name,
// and the dialog applies it when it closes. Returns what ActivateCpuPort returns.
std::optional<bool> RefreshCpuPort(TCommPortDriverEx& port, TPortControls& controls, TSettingsStore& store,
                                   bool dialogOpen, int& portAvailability);

// The folder browser: the folder chosen, empty when cancelled.
using TFolderBrowser = std::function<std::string()>;

// "Use Programm Directory" ticked: the folder shown is remembered and the program's folder (with its
// separator) becomes the working folder.
void CheckUseProgramFolder(TOptionState& options, std::string& remembered, const std::string& programFolder);
// Cleared: the remembered folder comes back; without one, the user picks a folder, and when that is
// cancelled or is the program's folder, the box is ticked again.
void UncheckUseProgramFolder(TOptionState& options, std::string& remembered, const std::string& programFolder,
                             const TFolderBrowser& browse);
// "...": a folder picked becomes the working folder; the box follows whether it is the program's.
void BrowseWorkFolder(TOptionState& options, const std::string& programFolder, const TFolderBrowser& browse);

} // namespace korvisel
