// SPDX-License-Identifier: GPL-3.0-or-later
// Every interface text key with its built-in English text.
#pragma once

#include <array>
#include <cstddef>

namespace korvisel {

// The section of a language file that holds a key.
enum class TextSection { Language, Menu };

struct TBuiltInText {
    const char* Key; // exact, case and trailing blank included
    TextSection Section;
    const char* Text;
};

constexpr std::size_t LanguageKeyCount = 432;
constexpr std::size_t MenuKeyCount = 104;
constexpr std::size_t BuiltInTextCount = LanguageKeyCount + MenuKeyCount;

extern const std::array<TBuiltInText, BuiltInTextCount> BuiltInTexts;

// The one text without a key: a language file cannot replace it, the export publishes it.
inline constexpr char SmsCentreEmptyQuestion[] =
    "Phone Number SMS Centre is empty.\n\rAre you sure writing Phone Number?";

} // namespace korvisel
