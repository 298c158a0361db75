// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the Contact ID codes are explained in, judged from the interface texts.
#pragma once

#include "core/ContactIdCodes.h"
#include "i18n/LanguageTexts.h"

namespace korvisel {

// Russian when the interface texts are written mostly in Cyrillic letters, else English: a language
// file says nothing else about its language.
TCodeLanguage CodeLanguageFor(const TLanguageTexts& texts);

} // namespace korvisel
