// SPDX-License-Identifier: GPL-3.0-or-later
// A language registered and chosen in the settings as a user would: a window made afterwards starts in it.
#pragma once

#include "i18n/IniFile.h"
#include "i18n/Registrations.h"
#include "settings/SettingsStore.h"

#include <string>

namespace korvisel::test {

inline void ChooseRussian(TSettingsStore& store) {
    const std::string file = KORVISEL_SOURCE_DIR "/languages/Russian.ini";
    AddLanguage(store, LoadLanguages(store), LanguageFileName(file), file);
    const TLanguageList list = FillLanguageList(store);
    StoreLanguageChoice(store, list.Entries, static_cast<int>(list.Entries.size()) - 1);
}

} // namespace korvisel::test
