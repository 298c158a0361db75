// SPDX-License-Identifier: GPL-3.0-or-later
// How a language writes numbers: the plural form a count takes (CLDR's cardinal rules for whole
// numbers), how its thousands are grouped and what separates a fraction.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvisel {

enum class TPluralForm : std::uint8_t { One, Few, Many, Other };

enum class TPluralRule : std::uint8_t {
    OneOther,   // English and most languages: one for 1, other for the rest
    EastSlavic, // Russian, Ukrainian, Belarusian: one (21), few (22-24), many (25, 11-14)
};

struct TCountRules {
    TPluralRule Plural = TPluralRule::OneOther;
    std::string_view GroupSeparator = ",";
    char DecimalSeparator = '.';
    bool operator==(const TCountRules&) const = default;
};

// The rules of a language named by its code ("ru", "en_GB"); English's for a code it does not know.
TCountRules CountRulesOf(std::string_view languageCode);

TPluralForm PluralForm(TPluralRule rule, std::uint64_t n);

// `n` in digits with its thousands grouped: "12,345" in English, "12 345" (no-break space) in Russian.
std::string NumberText(std::uint64_t n, const TCountRules& rules);
// A number written with a point ("0.5") as the language writes it ("0,5" in Russian).
std::string DecimalText(std::string_view number, const TCountRules& rules);

} // namespace korvisel
