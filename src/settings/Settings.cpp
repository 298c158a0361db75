// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Settings.h"

#include <algorithm>

namespace korvisel {
namespace {

constexpr const char* Key = RegistryKey::Settings;

std::string FileValueName(int n) {
    return "File" + std::to_string(n);
}

// Entries past `kept` are gone for good: a longer list later must not bring them back.
void RemoveFilesFrom(TRegistryData& data, int kept) {
    for (int n = std::max(kept, 0) + 1; n <= MaximumRecentFiles; ++n)
        data.Remove(Key, FileValueName(n));
}

void WriteRecentFiles(TRegistryData& data, const TRecentFiles& files) {
    const auto& entries = files.Entries();
    const int count = std::min<int>(static_cast<int>(entries.size()), MaximumRecentFiles);
    for (int n = 1; n <= count; ++n)
        if (!entries[static_cast<std::size_t>(n - 1)].empty())
            data.Set(Key, FileValueName(n), TRegValue::String(entries[static_cast<std::size_t>(n - 1)]));
    RemoveFilesFrom(data, count);
}

} // namespace

void LoadMainWindowSettings(TSettingsStore& store, TMainWindowSettings& settings,
                            const TPathTest& fileExists) {
    if (auto help = store.ReadString(Key, "BaseHelpFile"))
        settings.HelpFile = *help;
    if (auto length = store.ReadDword(Key, "FileCount"))
        settings.RecentFiles.SetLimit(static_cast<int>(std::min<std::uint32_t>(*length, MaximumRecentFiles)));
    if (auto workPath = store.ReadString(Key, "WorkPath"); workPath && !workPath->empty())
        settings.WorkPath = *workPath;

    std::vector<std::string> files;
    for (int n = 1; n <= settings.RecentFiles.Limit(); ++n) {
        const std::string file = store.ReadString(Key, FileValueName(n)).value_or("");
        if (!file.empty() && fileExists(file))
            files.push_back(file);
    }
    settings.RecentFiles.Replace(std::move(files));
}

void SaveMainWindowSettings(TSettingsStore& store, const TMainWindowSettings& settings) {
    store.Update([&](TRegistryData& data) {
        data.Set(Key, "FileCount",
                 TRegValue::Dword(static_cast<std::uint32_t>(settings.RecentFiles.Limit())));
        WriteRecentFiles(data, settings.RecentFiles);
        data.Set(Key, "WorkPath", TRegValue::String(settings.WorkPath));
    });
}

void PutSavedFileOnTop(TSettingsStore& store, TMainWindowSettings& settings, const std::string& file) {
    settings.RecentFiles.PutOnTop(file);
    store.Update([&](TRegistryData& data) { WriteRecentFiles(data, settings.RecentFiles); });
}

std::string ContentsHelpFile(TSettingsStore& store) {
    return store.ReadString(Key, "BaseHelpFile").value_or("");
}

std::string HelpCommandFile(TSettingsStore& store) {
    return store.ReadString(Key, "KORviselHelp").value_or("");
}

std::string HelpFileToOpen(const std::string& configured, const std::string& shippedGuide,
                           const TPathTest& fileExists) {
    return !configured.empty() && fileExists(configured) ? configured : shippedGuide;
}

TGeneralSettings LoadGeneralSettings(TSettingsStore& store, const TWorkFolders& folders,
                                     const TPathTest& folderExists) {
    TGeneralSettings general;
    if (auto length = store.ReadDword(Key, "FileCount"))
        general.ListLength = static_cast<int>(std::min<std::uint32_t>(*length, MaximumRecentFiles));
    const auto workPath = store.ReadString(Key, "WorkPath");
    if (workPath && folderExists(*workPath)) {
        general.WorkPath = *workPath;
        general.UseProgramFolder = !folders.Program.empty() && *workPath == folders.Program;
    } else {
        general.WorkPath = folders.First;
        general.UseProgramFolder = !folders.Program.empty() && folders.First == folders.Program;
        store.WriteString(Key, "WorkPath", folders.First);
    }
    general.KeepDeviceCopy = store.ReadDword(Key, "KeepDeviceCopy").value_or(0) != 0;
    return general;
}

void WriteWorkPath(TSettingsStore& store, const std::string& folder) {
    store.WriteString(Key, "WorkPath", folder);
}

void SaveDialogSettings(TSettingsStore& store, const TDialogSettings& settings) {
    store.Update([&](TRegistryData& data) {
        if (settings.CpuPort)
            data.Set(Key, "CPUPort", TRegValue::String(*settings.CpuPort));
        data.Set(Key, "FileCount",
                 TRegValue::Dword(static_cast<std::uint32_t>(std::max(settings.ListLength, 0))));
        RemoveFilesFrom(data, settings.ListLength);
        data.Set(Key, "WorkPath", TRegValue::String(settings.WorkPath));
        data.Set(Key, "KeepDeviceCopy", TRegValue::Dword(settings.KeepDeviceCopy ? 1 : 0));
    });
}

bool ReadProblemsPanelShown(TSettingsStore& store) {
    return store.ReadDword(Key, "ProblemsPanel").value_or(1) != 0;
}

void WriteProblemsPanelShown(TSettingsStore& store, bool shown) {
    store.WriteDword(Key, "ProblemsPanel", shown ? 1 : 0);
}

std::optional<std::string> ReadCpuPort(TSettingsStore& store) {
    return store.ReadString(Key, "CPUPort");
}

void WriteCpuPort(TSettingsStore& store, const std::string& portName) {
    store.WriteString(Key, "CPUPort", portName);
}

std::string ReadSettingLanguage(TSettingsStore& store) {
    return store.ReadString(Key, "SettingLanguage").value_or("");
}

bool LanguageEverChosen(TSettingsStore& store) {
    return store.ReadString(Key, "SettingLanguage").has_value();
}

void WriteSettingLanguage(TSettingsStore& store, const std::string& name) {
    store.WriteString(Key, "SettingLanguage", name);
}

std::optional<std::string> ReadSettingPlugin(TSettingsStore& store) {
    return store.ReadString(Key, "SettingPlugin");
}

void WriteSettingPlugin(TSettingsStore& store, const std::string& deviceType) {
    store.WriteString(Key, "SettingPlugin", deviceType);
}

} // namespace korvisel
