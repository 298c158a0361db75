// SPDX-License-Identifier: GPL-3.0-or-later
// A window shown in the language a test is run with: English as built in, or Russian registered and
// chosen in the settings as a user would before the window is made.
#pragma once

#include "i18n/IniFile.h"
#include "i18n/Registrations.h"
#include "ui/WindowTest.h"

#include <string>
#include <string_view>

namespace korvisel::test {

inline void ChooseRussian(TSettingsStore& store) {
    const std::string file = KORVISEL_SOURCE_DIR "/languages/Russian.ini";
    AddLanguage(store, LoadLanguages(store), LanguageFileName(file), file);
    const TLanguageList list = FillLanguageList(store);
    StoreLanguageChoice(store, list.Entries, static_cast<int>(list.Entries.size()) - 1);
}

// Run with ::testing::Values("English", "Russian").
class LanguageWindowTest : public WindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        if (std::string_view(GetParam()) == "Russian")
            ChooseRussian(store);
        WindowTest::SetUp();
        ShowAndActivate();
    }
};

} // namespace korvisel::test
