// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Registrations.h"

#include "core/AsciiText.h"
#include "files/FileIo.h"
#include "i18n/IniFile.h"
#include "settings/Settings.h"

#include <algorithm>
#include <filesystem>

namespace korvisel {
namespace {

constexpr const char* Key = RegistryKey::Settings;
constexpr std::string_view LanguageName = "LANGUAGE_NAME";
constexpr std::string_view LanguagePath = "LANGUAGE_PATH";
constexpr std::string_view DeviceName = "DEVICE_NAME";
constexpr std::string_view DevicePath = "DEVICE_PATH";
constexpr std::string_view DeviceType = "DEVICE_TYPE";
constexpr std::string_view DeviceExtension = "DEVICE_EXTN";

bool IsBlankText(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

std::vector<std::string> NamesWithPrefix(const std::vector<std::string>& names, std::string_view prefix) {
    std::vector<std::string> found;
    for (const std::string& name : names)
        if (StartsWithNoCase(name, prefix))
            found.push_back(name);
    return found;
}

// Takes the value name that is `prefix` followed by `suffix` (upper-cased) out of `names`.
std::optional<std::string> TakePartner(std::vector<std::string>& names, std::string_view prefix,
                                       const std::string& suffix) {
    const std::string wanted = std::string(prefix) + suffix;
    const auto found = std::find_if(names.begin(), names.end(),
                                    [&](const std::string& n) { return AsciiUpper(n) == wanted; });
    if (found == names.end())
        return std::nullopt;
    std::string name = *found;
    names.erase(found);
    return name;
}

std::optional<std::string> ReadPartner(TSettingsStore& store, const std::optional<std::string>& name) {
    if (!name)
        return std::nullopt;
    return store.ReadString(Key, *name);
}

void DeleteValues(TSettingsStore& store, const std::vector<std::optional<std::string>>& names) {
    store.Update([&](TRegistryData& data) {
        for (const auto& name : names)
            if (name)
                data.Remove(Key, *name);
    });
}

} // namespace

TLanguageInfo BuiltInLanguageEntry() {
    return {"English (Default)", "", true, "_"};
}

std::vector<TLanguageInfo> LoadLanguages(TSettingsStore& store) {
    std::vector<TLanguageInfo> languages = {BuiltInLanguageEntry()};
    const std::vector<std::string> all = store.ValueNames(Key);
    const std::vector<std::string> names = NamesWithPrefix(all, LanguageName);
    std::vector<std::string> paths = NamesWithPrefix(all, LanguagePath);

    const std::size_t count = std::min(names.size(), paths.size());
    for (std::size_t n = 0; n < count; ++n) {
        const std::string& nameValue = names[names.size() - 1 - n];
        const std::string suffix = AsciiUpper(nameValue).substr(LanguageName.size());
        const std::optional<std::string> pathValue = TakePartner(paths, LanguagePath, suffix);
        const auto name = store.ReadString(Key, nameValue);
        const auto path = ReadPartner(store, pathValue);
        if (!name || !path)
            continue;
        // A file without a [Main] Name is no language, even when the registered name is empty too.
        const std::string fileName =
            IsBlankText(*path) || !IsRegularFile(*path) ? std::string{} : LanguageFileName(*path);
        if (fileName.empty() || fileName != *name) {
            DeleteValues(store, {nameValue, pathValue});
            continue;
        }
        languages.push_back({*name, *path, false, suffix});
    }
    return languages;
}

int StoredLanguageIndex(const std::vector<TLanguageInfo>& languages, TSettingsStore& store) {
    const std::string stored = ReadSettingLanguage(store);
    if (stored.empty())
        return 0;
    for (std::size_t i = languages.size(); i-- > 1;)
        if (languages[i].Name == stored)
            return static_cast<int>(i);
    return 0;
}

TLanguageList FillLanguageList(TSettingsStore& store) {
    TLanguageList list{LoadLanguages(store), 0};
    list.Selected = StoredLanguageIndex(list.Entries, store);
    return list;
}

TLanguageInfo SelectedLanguage(const std::vector<TLanguageInfo>& languages, int index) {
    if (index > 0 && static_cast<std::size_t>(index) < languages.size())
        return languages[static_cast<std::size_t>(index)];
    return {"", "", true, "_"};
}

void StoreLanguageChoice(TSettingsStore& store, const std::vector<TLanguageInfo>& languages, int index) {
    WriteSettingLanguage(store, index > 0 ? SelectedLanguage(languages, index).Name : std::string{});
}

std::string FreeLanguageSuffix(const std::vector<TLanguageInfo>& languages) {
    for (int n = 1; n <= 999; ++n) {
        const std::string suffix = "_" + std::to_string(n);
        if (std::none_of(languages.begin(), languages.end(),
                         [&](const TLanguageInfo& l) { return l.Suffix == suffix; }))
            return suffix;
    }
    return {};
}

std::optional<TLanguageInfo> ChooseLanguageFile(const std::string& path) {
    if (path.empty() || !IsRegularFile(path))
        return std::nullopt;
    const std::string name = LanguageFileName(path);
    if (name.empty())
        return std::nullopt;
    return TLanguageInfo{name, path, false, {}};
}

TAddLanguageResult AddLanguage(TSettingsStore& store, const std::vector<TLanguageInfo>& languages,
                               const std::string& name, const std::string& path) {
    if (!IsRegularFile(path))
        return TAddLanguageResult::FileVanished;
    if (LanguageFileName(path) != name)
        return TAddLanguageResult::NameChanged;
    const std::string suffix = FreeLanguageSuffix(languages);
    if (suffix.empty())
        return TAddLanguageResult::NoFreeSuffix;
    store.Update([&](TRegistryData& data) {
        data.Set(Key, std::string(LanguageName) + suffix, TRegValue::String(name));
        data.Set(Key, std::string(LanguagePath) + suffix, TRegValue::String(path));
    });
    return TAddLanguageResult::Added;
}

int RegisterShippedLanguages(TSettingsStore& store, const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->path().extension() == ".ini")
            files.push_back(it->path().string());
    std::sort(files.begin(), files.end());
    int added = 0;
    for (const std::string& path : files) {
        const std::string name = LanguageFileName(path);
        const std::vector<TLanguageInfo> languages = LoadLanguages(store);
        const bool known = std::any_of(languages.begin(), languages.end(),
                                       [&](const TLanguageInfo& language) { return language.Name == name; });
        if (!name.empty() && !known && AddLanguage(store, languages, name, path) == TAddLanguageResult::Added)
            ++added;
    }
    return added;
}

int DesktopLanguageIndex(const std::vector<TLanguageInfo>& languages, const TDesktopLanguage& desktop) {
    if (desktop.Code.empty())
        return 0;
    for (std::size_t n = 1; n < languages.size(); ++n)
        if (EqualNoCase(LanguageFileLocale(languages[n].Path), desktop.Code))
            return static_cast<int>(n);
    for (std::size_t n = 1; n < languages.size(); ++n)
        if (!desktop.Name.empty() && EqualNoCase(languages[n].Name, desktop.Name))
            return static_cast<int>(n);
    return 0;
}

bool ChooseDesktopLanguage(TSettingsStore& store, const TDesktopLanguage& desktop) {
    if (LanguageEverChosen(store))
        return false;
    const std::vector<TLanguageInfo> languages = LoadLanguages(store);
    StoreLanguageChoice(store, languages, DesktopLanguageIndex(languages, desktop));
    return true;
}

TModules LoadModules(TSettingsStore& store) {
    TModules modules;
    modules.SettingPlugin = ReadSettingPlugin(store).value_or("");
    const std::vector<std::string> all = store.ValueNames(Key);
    const std::vector<std::string> names = NamesWithPrefix(all, DeviceName);
    std::vector<std::string> paths = NamesWithPrefix(all, DevicePath);
    std::vector<std::string> types = NamesWithPrefix(all, DeviceType);
    std::vector<std::string> extensions = NamesWithPrefix(all, DeviceExtension);

    const std::size_t count = std::min({names.size(), paths.size(), types.size()});
    for (std::size_t n = 0; n < count; ++n) {
        const std::string& nameValue = names[names.size() - 1 - n];
        const std::string suffix = AsciiUpper(nameValue).substr(DeviceName.size());
        const auto pathValue = TakePartner(paths, DevicePath, suffix);
        const auto typeValue = TakePartner(types, DeviceType, suffix);
        const auto extensionValue = TakePartner(extensions, DeviceExtension, suffix);
        const auto name = store.ReadString(Key, nameValue);
        const auto path = ReadPartner(store, pathValue);
        const auto type = ReadPartner(store, typeValue);
        if (!name || !path || !type)
            continue;
        if (!IsRegularFile(*path)) {
            DeleteValues(store, {nameValue, pathValue, typeValue, extensionValue});
            continue;
        }
        std::string extension = ReadPartner(store, extensionValue).value_or("");
        if (extension.empty())
            extension = DefaultModuleExtension;
        modules.List.push_back({*name, *path, *type, extension, suffix});
    }
    return modules;
}

bool MatchModuleExtension(TSettingsStore& store, TModules& modules, const std::string& extension) {
    const int index = ModuleIndexOfExtension(modules.List, AsciiUpper(extension));
    if (index < 0)
        return false;
    modules.SettingPlugin = modules.List[static_cast<std::size_t>(index)].DeviceType;
    WriteSettingPlugin(store, modules.SettingPlugin);
    return true;
}

int ModuleIndexOfExtension(const std::vector<TPluginInfo>& modules, const std::string& extension) {
    for (std::size_t i = 0; i < modules.size(); ++i)
        if (modules[i].Extension == extension)
            return static_cast<int>(i);
    return -1;
}

} // namespace korvisel
