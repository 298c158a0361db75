// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a language file: decoded from its code page, its sections read into the texts, and
// the texts published as applying a language does. All in memory: no file is written or read, so a
// run gets through a million inputs in half an hour.
#include "i18n/IniFile.h"
#include "i18n/LanguageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvisel;
    const TIniFile file = TIniFile::Decode(std::string_view(reinterpret_cast<const char*>(data), size));
    TLanguageTexts texts;
    TSettingsStore store = TSettingsStore::InMemory();
    // Half the inputs are the language already applied, the other half a new one.
    const std::string name = file.ReadString("Main", "Name");
    if (size % 2 == 0)
        store.WriteString(RegistryKey::Settings, "1Main_LanguagName", name);
    LoadLanguageSection(file, texts, store);
    LoadMenuSection(file, texts);
    LoadProgramSection(file, texts);
    SplitDescriptionText(file.ReadString("Language", "DESCRIPTION"));
    const TLanguageInfo language{name, "Language.ini", false, "_1"};
    ExportLanguageTexts(texts, size % 3 == 0 ? nullptr : &language, store);
    return 0;
}
