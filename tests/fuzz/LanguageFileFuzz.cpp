// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a language file: decoded from its code page, its sections read into the texts.
#include "i18n/IniFile.h"
#include "i18n/LanguageFile.h"

#include "ScratchFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvisel;
    const std::string path = fuzz::ScratchFile(data, size, "Language.ini");
    const std::optional<TIniFile> file = TIniFile::Load(path);
    if (!file)
        return 0;
    LanguageFileName(path);
    TLanguageTexts texts;
    TSettingsStore store(fuzz::ScratchFolder() + "/registry.reg");
    LoadLanguageSection(*file, texts, store);
    LoadMenuSection(*file, texts);
    SplitDescriptionText(file->ReadString("Language", "DESCRIPTION"));
    return 0;
}
