// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled by the tests with KORVISEL_KEY set to a known and to a misspelt key: only the known one
// may compile.
#include "i18n/LanguageTexts.h"

const std::string& Shown(const korvisel::TLanguageTexts& texts) {
    return texts.Text(KORVISEL_KEY);
}
