// SPDX-License-Identifier: GPL-3.0-or-later
// Language files and device-model modules registered in the settings, and the choice among them.
#pragma once

#include "settings/SettingsStore.h"

#include <optional>
#include <string>
#include <vector>

namespace korvisel {

struct TLanguageInfo {
    std::string Name;
    std::string Path;
    bool IsDefault = false;
    std::string Suffix; // pairs LANGUAGE_NAME<s> with LANGUAGE_PATH<s>

    bool operator==(const TLanguageInfo&) const = default;
};

// Entry 0 of every language list.
TLanguageInfo BuiltInLanguageEntry();

// The built-in entry first, then every valid registration. A pair whose file is gone or whose
// [Main] Name no longer matches is deleted from the settings; a name without a path is left alone.
std::vector<TLanguageInfo> LoadLanguages(TSettingsStore& store);

// The entry to select: the last one named as the stored SettingLanguage, or 0.
int StoredLanguageIndex(const std::vector<TLanguageInfo>& languages, TSettingsStore& store);

// What the settings dialog's language list shows: the loaded entries and the stored choice.
struct TLanguageList {
    std::vector<TLanguageInfo> Entries;
    int Selected = 0;
};
TLanguageList FillLanguageList(TSettingsStore& store);

// The chosen entry when above 0; otherwise the built-in language with an empty name.
TLanguageInfo SelectedLanguage(const std::vector<TLanguageInfo>& languages, int index);

// Choosing an entry stores its name, or an empty one for the built-in language.
void StoreLanguageChoice(TSettingsStore& store, const std::vector<TLanguageInfo>& languages, int index);

// The first of "_1" ... "_999" that no entry uses; empty when all are taken.
std::string FreeLanguageSuffix(const std::vector<TLanguageInfo>& languages);

// A language file the user picked ("..."): its [Main] Name and path for the two fields, or nothing
// for a file without a name.
std::optional<TLanguageInfo> ChooseLanguageFile(const std::string& path);

enum class TAddLanguageResult { Added, FileVanished, NameChanged, NoFreeSuffix };

// Registers a chosen language file under a free suffix, after checking that the file is still there
// and still carries the name that was shown. The caller then reloads its list.
TAddLanguageResult AddLanguage(TSettingsStore& store, const std::vector<TLanguageInfo>& languages,
                               const std::string& name, const std::string& path);

// Registers every language file of `folder` (*.ini) whose name no registration has yet, so that the
// languages that come with the program are offered from the first start. Returns how many.
int RegisterShippedLanguages(TSettingsStore& store, const std::string& folder);

// The desktop's language as the locale says it: "ru" and "Russian" for ru_RU.UTF-8.
struct TDesktopLanguage {
    std::string Code;
    std::string Name; // in English, as language files from elsewhere name themselves
};

// The registered language for the desktop's: the first whose file says it is for that language
// ([Main] Locale), else whose name is the language's English name; 0 (built-in English) otherwise.
int DesktopLanguageIndex(const std::vector<TLanguageInfo>& languages, const TDesktopLanguage& desktop);

// At start: when the user has never chosen a language, the desktop's is stored as if chosen in the
// settings dialog (English included, so that the choice is made once). True when it chose.
bool ChooseDesktopLanguage(TSettingsStore& store, const TDesktopLanguage& desktop);

struct TPluginInfo {
    std::string Name;
    std::string Path;
    std::string DeviceType;
    std::string Extension; // with its dot
    std::string Suffix;

    bool operator==(const TPluginInfo&) const = default;
};

inline constexpr char DefaultModuleExtension[] = ".k610";

struct TModules {
    std::vector<TPluginInfo> List;
    std::string SettingPlugin;
};

// Every valid module group, and the stored SettingPlugin. A group whose module file is missing is
// deleted; a group lacking its name, path or type is left alone.
TModules LoadModules(TSettingsStore& store);

// Finds the module for a project file extension (compared upper-cased, so a module registered in
// lower case never matches) and records and stores its type as SettingPlugin at once.
bool MatchModuleExtension(TSettingsStore& store, TModules& modules, const std::string& extension);

// The first module whose extension equals the argument exactly, or -1.
int ModuleIndexOfExtension(const std::vector<TPluginInfo>& modules, const std::string& extension);

} // namespace korvisel
