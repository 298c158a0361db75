// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/CodeLanguage.h"

namespace korvisel {

TCodeLanguage CodeLanguageFor(const TLanguageTexts& texts) {
    std::size_t latin = 0, cyrillic = 0;
    for (std::size_t i = 0; i < BuiltInTextCount; ++i) {
        const std::string& text = texts.TextAt(i);
        for (std::size_t at = 0; at < text.size(); ++at) {
            const auto c = static_cast<unsigned char>(text[at]);
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
                ++latin;
            else if ((c == 0xD0 || c == 0xD1) && at + 1 < text.size() &&
                     (static_cast<unsigned char>(text[at + 1]) & 0xC0) == 0x80)
                ++cyrillic;
        }
    }
    return cyrillic > latin ? TCodeLanguage::Russian : TCodeLanguage::English;
}

} // namespace korvisel
