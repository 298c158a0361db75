// SPDX-License-Identifier: GPL-3.0-or-later
// A text key checked when the program is built: a key written in the code that names no text of the
// built-in tables does not compile, so a misspelt key fails the build instead of showing nothing.
#pragma once

#include "texts/BuiltInTexts.h"
#include "texts/ProgramTexts.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

namespace korvisel {

class TTextKey {
public:
    // From a key written in the code.
    consteval TTextKey(const char* key) : index_(IndexOf(key)) {}
    // No key, for a table's entry that has no text of that kind.
    consteval TTextKey(std::nullptr_t) : index_(None) {}

    // The keys `stem` followed by 0, 1, ... (REP_PRTSDAY0, REP_PRTSDAY1, ...), one per number.
    template <std::size_t... N>
    static consteval std::array<TTextKey, sizeof...(N)> Numbered(std::string_view stem,
                                                                 std::index_sequence<N...>) {
        return {TTextKey(IndexOf(WithNumber(stem, N)))...};
    }

    explicit constexpr operator bool() const { return index_ != None; }
    // The key's place in the text table: the built-in texts, then the program's own.
    constexpr std::size_t Index() const { return index_; }
    // The key as a language file writes it.
    constexpr const char* Name() const {
        return index_ < BuiltInTexts.size() ? BuiltInTexts[index_].Key
                                            : ProgramTexts[index_ - BuiltInTexts.size()].Key;
    }
    // The key's built-in English text.
    constexpr const char* BuiltInText() const {
        return index_ < BuiltInTexts.size() ? BuiltInTexts[index_].Text
                                            : ProgramTexts[index_ - BuiltInTexts.size()].Text;
    }
    constexpr bool operator==(const TTextKey&) const = default;

private:
    static constexpr std::size_t None = static_cast<std::size_t>(-1);

    consteval explicit TTextKey(std::size_t index) : index_(index) {}

    struct TNumberedKey {
        char Text[48] = {};
        std::size_t Size = 0;
        constexpr operator std::string_view() const { return {Text, Size}; }
    };
    static consteval TNumberedKey WithNumber(std::string_view stem, std::size_t n) {
        TNumberedKey key;
        for (char c : stem)
            key.Text[key.Size++] = c;
        char digits[20] = {};
        std::size_t count = 0;
        do
            digits[count++] = static_cast<char>('0' + n % 10);
        while ((n /= 10) != 0);
        while (count > 0)
            key.Text[key.Size++] = digits[--count];
        return key;
    }

    static consteval std::size_t IndexOf(std::string_view key) {
        for (std::size_t i = 0; i < BuiltInTexts.size(); ++i)
            if (key == BuiltInTexts[i].Key)
                return i;
        for (std::size_t i = 0; i < ProgramTexts.size(); ++i)
            if (key == ProgramTexts[i].Key)
                return BuiltInTexts.size() + i;
        // Not a constant expression: the build stops here, naming the call with the unknown key.
        throw "unknown text key";
    }

    std::size_t index_;
};

} // namespace korvisel
