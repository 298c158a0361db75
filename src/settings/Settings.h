// SPDX-License-Identifier: GPL-3.0-or-later
// The stored settings values, each read and written at the moments the windows need them.
#pragma once

#include "files/WorkFolders.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"

#include <functional>
#include <optional>
#include <string>

namespace korvisel {

using TPathTest = std::function<bool(const std::string&)>;

// The help file the program starts with, until a stored one replaces it.
inline constexpr char StartUpHelpFile[] = "\\Help\\HelpPro.hlp";

struct TMainWindowSettings {
    std::string HelpFile = StartUpHelpFile;
    std::string WorkPath; // initial folder of the open and save dialogs; empty until known
    TRecentFiles RecentFiles;
};

// Every activation: help file, list length, working folder and the recently used files that still
// exist, in their stored order.
void LoadMainWindowSettings(TSettingsStore& store, TMainWindowSettings& settings,
                            const TPathTest& fileExists);
// Program end: the list length, its entries and the working folder. Entries beyond the list from
// earlier runs stay in the store.
void SaveMainWindowSettings(TSettingsStore& store, const TMainWindowSettings& settings);

// A file just saved goes on top of the recently used files at once, in the store too, where every
// activation reads the list back from.
void PutSavedFileOnTop(TSettingsStore& store, TMainWindowSettings& settings, const std::string& file);

// Contents uses BaseHelpFile, Help uses KORviselHelp; both read empty when missing.
std::string ContentsHelpFile(TSettingsStore& store);
std::string HelpCommandFile(TSettingsStore& store);
// What a help command opens: the configured help file when it is there, else the user guide that
// comes with the program (the start-up name is a Windows path that no Linux machine has).
std::string HelpFileToOpen(const std::string& configured, const std::string& shippedGuide,
                           const TPathTest& fileExists);

// The settings dialog's general values as it shows them.
struct TGeneralSettings {
    std::optional<int> ListLength; // stored list length, when stored as a number
    std::string WorkPath;
    bool UseProgramFolder = false;
    bool KeepDeviceCopy = false; // read the device into a backup before writing it
};

// Each activation of the settings dialog. A working folder that is missing, not a string or not an
// existing folder is replaced by the first working folder, which is written back at once.
TGeneralSettings LoadGeneralSettings(TSettingsStore& store, const TWorkFolders& folders,
                                     const TPathTest& folderExists);

// The folder the file dialogs last used, so that the settings dialog shows it and the next run
// starts there.
void WriteWorkPath(TSettingsStore& store, const std::string& folder);

// What the settings dialog stores when it closes and when it is destroyed. The device-model module
// is not among them: only opening a module's file chooses it, and it stores the choice itself.
struct TDialogSettings {
    std::optional<std::string> CpuPort; // nothing: the stored choice stays
    int ListLength = DefaultRecentFilesLength;
    std::string WorkPath;
    bool KeepDeviceCopy = false;
};
void SaveDialogSettings(TSettingsStore& store, const TDialogSettings& settings);

// Whether the Problems panel is shown; it is until the user hides it.
bool ReadProblemsPanelShown(TSettingsStore& store);
void WriteProblemsPanelShown(TSettingsStore& store, bool shown);

std::optional<std::string> ReadCpuPort(TSettingsStore& store);
void WriteCpuPort(TSettingsStore& store, const std::string& portName);

// The chosen language's name; empty for the built-in English.
std::string ReadSettingLanguage(TSettingsStore& store);
// Whether a language was ever chosen (an empty name, English, is a choice too).
bool LanguageEverChosen(TSettingsStore& store);
void WriteSettingLanguage(TSettingsStore& store, const std::string& name);

std::optional<std::string> ReadSettingPlugin(TSettingsStore& store);
void WriteSettingPlugin(TSettingsStore& store, const std::string& deviceType);

} // namespace korvisel
