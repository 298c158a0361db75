// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/CodeLanguage.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEST(CodeLanguageFor, TheMeaningsFollowTheScriptOfTheInterface) {
    TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    EXPECT_EQ(CodeLanguageFor(texts), TCodeLanguage::English);
    // A Russian file that leaves a few keys to the built-in English texts is still Russian.
    for (std::size_t n = 0; n < BuiltInTextCount; ++n)
        if (n % 10 != 0)
            texts.SetTextAt(n, "Вход");
    EXPECT_EQ(CodeLanguageFor(texts), TCodeLanguage::Russian);
    TLanguageTexts empty;
    EXPECT_EQ(CodeLanguageFor(empty), TCodeLanguage::English);
}

} // namespace
} // namespace korvisel
