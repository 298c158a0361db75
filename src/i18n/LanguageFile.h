// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the interface texts from a language file and publishing them for device-model modules.
#pragma once

#include "i18n/IniFile.h"
#include "i18n/LanguageTexts.h"
#include "i18n/Registrations.h"
#include "settings/SettingsStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

// The escapes of a language value: "#" vanishes (it guards blanks the reader would strip), "/#" is
// "#", "//" is "/", "/A" or "/a" is a line feed and carriage return; any other "/x" stays as it is,
// so the list markup codes pass through.
std::string DecodeLanguageValue(std::string_view value);

// The [Language] texts from a file, each missing or blank value replaced by its built-in text.
// Returns 1 without reading when the file's [Main] Name equals the settings key's 1Main_LanguagName,
// else 0.
int LoadLanguageSection(const TIniFile& file, TLanguageTexts& texts, TSettingsStore& store);
// The [Menu] texts the same way.
void LoadMenuSection(const TIniFile& file, TLanguageTexts& texts);
// The program's own texts from the [Program] section the same way; a file written for the original
// tool has none, and its language then shows them in English.
void LoadProgramSection(const TIniFile& file, TLanguageTexts& texts);

// Publishes the texts under the Language subkey: the 2Lang_ values (385) and the language name only
// while the built-in language is current, the PL values (46) always. `current` is null while the
// main window is being created and no language has been chosen yet.
void ExportLanguageTexts(const TLanguageTexts& texts, const TLanguageInfo* current, TSettingsStore& store);

// Puts a chosen language's texts and its way of counting ([Main] Locale) in place and exports them. False,
// with nothing changed, when its file has gone; the caller applies captions and repaints only after true.
bool ApplyLanguageTexts(TLanguageTexts& texts, const TLanguageInfo& language, TSettingsStore& store);

// A description text as list items: split at every line feed + carriage return pair.
std::vector<std::string> SplitDescriptionText(std::string_view text);

} // namespace korvisel
