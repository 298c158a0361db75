// SPDX-License-Identifier: GPL-3.0-or-later
// The current interface texts: one per key, read by every caption, message, summary and report.
#pragma once

#include "core/CountRules.h"
#include "texts/BuiltInTexts.h"
#include "texts/ProgramTexts.h"
#include "texts/TextKey.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

// Position of a key in the built-in table (the program's own texts follow it), or nothing for a key
// the program does not know.
std::optional<std::size_t> TextIndex(std::string_view key);

class TLanguageTexts {
public:
    // Every text starts empty: the main window sets the built-in texts while it is created.
    TLanguageTexts();

    // A table holding every built-in English text, [Menu] included.
    static TLanguageTexts BuiltInEnglish();

    // The [Language] texts, the program's own texts and the keyless question back to their
    // built-in values.
    void SetBuiltInTexts();
    // The program's own texts back to their built-in values.
    void SetBuiltInProgramTexts();
    // The program's own text `index` (into ProgramTexts).
    void SetProgramText(std::size_t index, std::string text);
    // The [Menu] texts back to their built-in values.
    void SetBuiltInMenuTexts();

    // The current text of a key.
    const std::string& Text(TTextKey key) const { return texts_[key.Index()]; }
    const std::string& TextAt(std::size_t index) const { return texts_[index]; }
    void SetTextAt(std::size_t index, std::string text) { texts_[index] = std::move(text); }

    const std::string& SmsCentreEmpty() const { return smsCentreEmpty_; }

    // How the language writes counts: its plural forms and digit groups.
    const TCountRules& CountRules() const { return countRules_; }
    void SetCountRules(const TCountRules& rules) { countRules_ = rules; }

private:
    std::vector<std::string> texts_;
    std::string smsCentreEmpty_;
    TCountRules countRules_;
};

// A program text with its marks %1 .. %9 replaced by `arguments` in one pass, so that an argument
// holding a mark stays as it is. A mark without an argument stays too.
std::string WithArguments(std::string_view text, std::initializer_list<std::string_view> arguments);
std::string WithArguments(std::string_view text, std::span<const std::string> arguments);

} // namespace korvisel
