// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FilteredEditRules.h"

#include "core/AsciiText.h"

#include <algorithm>

namespace korvisel {
namespace {

constexpr char Backspace = '\b';

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::uint64_t ValueOf(std::string_view digits) {
    std::uint64_t v = 0;
    for (char c : digits)
        v = std::min<std::uint64_t>(v * 10 + static_cast<std::uint64_t>(c - '0'), UINT32_MAX);
    return v;
}

int Clamp(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

void DeleteSelection(TEditState& s) {
    const int start = Clamp(s.SelStart, 0, static_cast<int>(s.Text.size()));
    const int length = Clamp(s.SelLength, 0, static_cast<int>(s.Text.size()) - start);
    s.Text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
    s.Caret = start;
    s.SelLength = 0;
}

} // namespace

std::string NumberText(const TNumberEditProps& props, std::uint32_t number) {
    return std::to_string(number).substr(0, static_cast<std::size_t>(std::max(1, props.NumberCount)));
}

TNumberRepair RepairNumberText(const TNumberEditProps& props, std::string_view text) {
    std::string digits;
    for (char c : text)
        if (IsDigit(c))
            digits += c;
    digits = digits.substr(0, static_cast<std::size_t>(std::max(1, props.NumberCount)));
    std::uint64_t number = digits.empty() ? props.MinNumber : ValueOf(digits);
    number = std::clamp<std::uint64_t>(number, props.MinNumber, std::max(props.MinNumber, props.MaxNumber));
    return {std::to_string(number), static_cast<std::uint32_t>(number)};
}

TKeyResult<std::uint32_t> NumberKeyPress(const TNumberEditProps& props, const TEditState& state, char key) {
    TKeyResult<std::uint32_t> result{true, state, {}};
    TEditState& s = result.State;
    const int n = std::max(1, props.NumberCount);
    s.Caret = Clamp(s.Caret, 0, static_cast<int>(s.Text.size()));

    // Writes the value as SetNumber does, reports it, and puts the caret back.
    const auto settle = [&](int caret) {
        const std::uint32_t number = s.Text.empty() ? 0 : static_cast<std::uint32_t>(ValueOf(s.Text));
        s.Text = NumberText(props, number);
        s.Caret = Clamp(caret, 0, static_cast<int>(s.Text.size()));
        s.SelStart = s.Caret;
        s.SelLength = 0;
        result.Changes.push_back(number);
    };
    const auto clampWhileTyping = [&](int& caret) {
        if (!props.MinMaxEnable)
            return;
        const std::uint64_t v = ValueOf(s.Text);
        if (v > props.MaxNumber || v < props.MinNumber) {
            s.Text = std::to_string(v > props.MaxNumber ? props.MaxNumber : props.MinNumber);
            --caret;
        }
    };

    if (key == Backspace) {
        int caret = s.Caret;
        if (s.SelLength > 0) {
            DeleteSelection(s);
            caret = s.Caret;
        } else if (caret > 0) {
            s.Text.erase(static_cast<std::size_t>(caret - 1), 1);
            --caret;
        }
        settle(caret);
        return result;
    }
    if (static_cast<unsigned char>(key) < 0x20) {
        result.Consumed = false;
        return result;
    }
    if (!IsDigit(key))
        return result;

    int caret = s.Caret;
    if (static_cast<int>(s.Text.size()) < n - 1) {
        if (s.Text == "0") {
            s.Text.clear();
            caret = 0;
        } else if (s.SelLength > 0) {
            DeleteSelection(s);
            caret = s.Caret;
        }
        s.Text.insert(static_cast<std::size_t>(std::min<int>(caret, static_cast<int>(s.Text.size()))), 1,
                      key);
        ++caret;
        clampWhileTyping(caret);
    } else if (caret == n) {
        s.Text = s.Text.substr(1) + key; // the digits shift left
        ++caret;
        clampWhileTyping(caret);
    } else {
        if (s.SelLength > 0) {
            DeleteSelection(s);
            caret = s.Caret;
        }
        s.Text.insert(static_cast<std::size_t>(caret), 1, key);
        ++caret;
        clampWhileTyping(caret);
    }
    settle(caret);
    return result;
}

std::string RepairCharText(const TCharEditProps& props, std::string_view text) {
    std::string kept;
    for (char c : text)
        if (props.CharString.find(c) != std::string::npos)
            kept += c;
    return kept.substr(0, static_cast<std::size_t>(std::max(0, props.CharCount)));
}

TEditState RepairedBeforeKey(const TCharEditProps& props, const TEditState& state) {
    std::string text = RepairCharText(props, state.Text);
    if (text == state.Text)
        return state;
    const int size = static_cast<int>(text.size());
    if (state.SelLength > 0 && state.SelLength == static_cast<int>(state.Text.size()))
        return {std::move(text), size, 0, size};
    const int caret = Clamp(state.Caret, 0, size);
    return {std::move(text), caret, caret, 0};
}

TKeyResult<std::string> CharKeyPress(const TCharEditProps& props, const TEditState& state, char key) {
    TKeyResult<std::string> result{true, state, {}};
    TEditState& s = result.State;
    const int c = props.CharCount;
    s.Caret = Clamp(s.Caret, 0, static_cast<int>(s.Text.size()));

    if (key == Backspace) {
        TEditState after = s;
        if (after.SelLength > 0) {
            DeleteSelection(after);
        } else if (after.Caret > 0) {
            after.Text.erase(static_cast<std::size_t>(after.Caret - 1), 1);
            --after.Caret;
        }
        after.SelStart = after.Caret;
        if (props.NotSpace && after.Text.empty() && !props.CharString.empty()) {
            // A field that may not be empty falls back to its first allowed character.
            s = {std::string(1, props.CharString[0]), 1, 1, 0};
            result.Changes.push_back(s.Text);
            return result;
        }
        s = after;
        result.Changes.push_back(s.Text);
        return result;
    }
    if (static_cast<unsigned char>(key) < 0x20) {
        result.Consumed = false;
        return result;
    }
    key = AsciiUpper(key);
    if (props.CharString.find(key) == std::string::npos) {
        result.Changes.push_back(s.Text);
        return result;
    }
    if (static_cast<int>(s.Text.size()) < c) {
        if (s.SelLength > 0)
            DeleteSelection(s);
        s.Text.insert(static_cast<std::size_t>(s.Caret), 1, key);
        ++s.Caret;
    } else if (s.Caret == c) {
        s.Text = s.Text.substr(1) + key; // shift left, the caret stays
    } else {
        s.Text[static_cast<std::size_t>(s.Caret)] = key; // overwrite the character after the caret
        ++s.Caret;
    }
    s.SelStart = s.Caret;
    s.SelLength = 0;
    result.Changes.push_back(s.Text);
    return result;
}

} // namespace korvisel
