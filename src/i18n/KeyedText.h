// SPDX-License-Identifier: GPL-3.0-or-later
// A text kept as its key and arguments instead of its words, so that it is worded in the language
// current when it is shown: a finding listed before the language changed, a port's failure.
#pragma once

#include "i18n/LanguageTexts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvisel {

struct TKeyedText {
    TTextKey Key = nullptr; // no key: `Literal` as it is, in no language (a number, a path)
    std::string Literal;
    std::vector<TKeyedText> Arguments; // for the key's marks %1, %2, ...

    bool Empty() const { return !Key && Literal.empty(); }
    bool operator==(const TKeyedText&) const = default;
};

TKeyedText Keyed(TTextKey key, std::vector<TKeyedText> arguments = {});
TKeyedText Literal(std::string text);

// The text in the language of `texts`.
std::string TextOf(const TKeyedText& text, const TLanguageTexts& texts);
// The text in the built-in English, for the command line and the files that are always English.
std::string EnglishOf(const TKeyedText& text);

// One key per plural form of a counted noun.
struct TPluralKeys {
    TTextKey One, Few, Many, Other;
};
inline constexpr TPluralKeys ByteKeys{"PRG_BYTES_ONE", "PRG_BYTES_FEW", "PRG_BYTES_MANY", "PRG_BYTES_OTHER"};

// "%1 <noun>" with the form the count takes in the language of `texts`, the number grouped as it
// writes numbers.
std::string CountText(std::uint64_t count, const TPluralKeys& keys, const TLanguageTexts& texts);

} // namespace korvisel
