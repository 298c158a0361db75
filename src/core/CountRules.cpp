// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CountRules.h"

#include "core/AsciiText.h"

#include <algorithm>

namespace korvisel {

TCountRules CountRulesOf(std::string_view languageCode) {
    std::string language;
    for (const char c : languageCode.substr(0, languageCode.find_first_of("_-.")))
        language += AsciiLower(c);
    if (language == "ru" || language == "uk" || language == "be")
        return {TPluralRule::EastSlavic, "\u00A0", ','};
    return {};
}

TPluralForm PluralForm(TPluralRule rule, std::uint64_t n) {
    if (rule == TPluralRule::OneOther)
        return n == 1 ? TPluralForm::One : TPluralForm::Other;
    const std::uint64_t units = n % 10;
    const std::uint64_t tens = n % 100;
    if (units == 1 && tens != 11)
        return TPluralForm::One;
    if (units >= 2 && units <= 4 && (tens < 12 || tens > 14))
        return TPluralForm::Few;
    return TPluralForm::Many;
}

std::string NumberText(std::uint64_t n, const TCountRules& rules) {
    const std::string digits = std::to_string(n);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += rules.GroupSeparator;
        text += digits[i];
    }
    return text;
}

std::string DecimalText(std::string_view number, const TCountRules& rules) {
    std::string text(number);
    std::replace(text.begin(), text.end(), '.', rules.DecimalSeparator);
    return text;
}

} // namespace korvisel
