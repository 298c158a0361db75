// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageTexts.h"

#include <unordered_map>

namespace korvisel {
namespace {

const std::unordered_map<std::string_view, std::size_t>& KeyIndex() {
    static const auto index = [] {
        std::unordered_map<std::string_view, std::size_t> map;
        for (std::size_t i = 0; i < BuiltInTexts.size(); ++i)
            map.emplace(BuiltInTexts[i].Key, i);
        for (std::size_t i = 0; i < ProgramTexts.size(); ++i)
            map.emplace(ProgramTexts[i].Key, BuiltInTexts.size() + i);
        return map;
    }();
    return index;
}

template <typename Arguments> std::string Substituted(std::string_view text, const Arguments& arguments) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool mark = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const auto n = mark ? static_cast<std::size_t>(text[i + 1] - '1') : arguments.size();
        if (n < arguments.size()) {
            out += std::string_view(*(arguments.begin() + static_cast<std::ptrdiff_t>(n)));
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

std::optional<std::size_t> TextIndex(std::string_view key) {
    const auto& index = KeyIndex();
    const auto found = index.find(key);
    if (found == index.end())
        return std::nullopt;
    return found->second;
}

TLanguageTexts::TLanguageTexts() : texts_(BuiltInTexts.size() + ProgramTexts.size()) {}

TLanguageTexts TLanguageTexts::BuiltInEnglish() {
    TLanguageTexts texts;
    texts.SetBuiltInTexts();
    texts.SetBuiltInMenuTexts();
    return texts;
}

void TLanguageTexts::SetBuiltInTexts() {
    for (std::size_t i = 0; i < BuiltInTexts.size(); ++i)
        if (BuiltInTexts[i].Section == TextSection::Language)
            texts_[i] = BuiltInTexts[i].Text;
    SetBuiltInProgramTexts();
    smsCentreEmpty_ = SmsCentreEmptyQuestion;
}

void TLanguageTexts::SetBuiltInProgramTexts() {
    for (std::size_t i = 0; i < ProgramTexts.size(); ++i)
        texts_[BuiltInTexts.size() + i] = ProgramTexts[i].Text;
}

void TLanguageTexts::SetProgramText(std::size_t index, std::string text) {
    texts_[BuiltInTexts.size() + index] = std::move(text);
}

void TLanguageTexts::SetBuiltInMenuTexts() {
    for (std::size_t i = 0; i < BuiltInTexts.size(); ++i)
        if (BuiltInTexts[i].Section == TextSection::Menu)
            texts_[i] = BuiltInTexts[i].Text;
}

std::string WithArguments(std::string_view text, std::initializer_list<std::string_view> arguments) {
    return Substituted(text, arguments);
}

std::string WithArguments(std::string_view text, std::span<const std::string> arguments) {
    return Substituted(text, arguments);
}

} // namespace korvisel
