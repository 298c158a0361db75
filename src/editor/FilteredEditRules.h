// SPDX-License-Identifier: GPL-3.0-or-later
// The keystroke and repair rules of the filtered edits: a number field with a digit count and a
// range, and a character field with an allowed set and a length. The widgets apply these to their
// text; nothing here knows a widget.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

struct TEditState {
    std::string Text;
    int Caret = 0;
    int SelStart = 0;
    int SelLength = 0;

    bool operator==(const TEditState&) const = default;
};

// What a key did: whether the widget must not insert it itself, the state afterwards, and the
// values or texts reported through OnChanged, in order.
template <typename Change> struct TKeyResult {
    bool Consumed = true;
    TEditState State;
    std::vector<Change> Changes;
};

struct TNumberEditProps {
    std::uint32_t MaxNumber = 100;
    std::uint32_t MinNumber = 0;
    int NumberCount = 2;
    bool MinMaxEnable = false;
};

// A key typed into a number field: digits, backspace; anything else is dropped. Enter and other
// control keys are left to the widget (Consumed false, state unchanged).
TKeyResult<std::uint32_t> NumberKeyPress(const TNumberEditProps& props, const TEditState& state, char key);

struct TNumberRepair {
    std::string Text;     // the text the field must show
    std::uint32_t Number; // its value
};
// Any text (pasted, set by the program) as the field keeps it: its digits, at most NumberCount of
// them, clamped into the range.
TNumberRepair RepairNumberText(const TNumberEditProps& props, std::string_view text);

// The text SetNumber writes: the decimal value cut to NumberCount characters.
std::string NumberText(const TNumberEditProps& props, std::uint32_t number);

struct TCharEditProps {
    std::string CharString = "1234567890ABCD*#";
    int CharCount = 2;
    bool NotSpace = false;
};

TKeyResult<std::string> CharKeyPress(const TCharEditProps& props, const TEditState& state, char key);
std::string RepairCharText(const TCharEditProps& props, std::string_view text);
// A field shows a stored text as it is, even one its rule refuses (a file another program wrote).
// The first key the user types applies the rule to it first: a selection of the whole text stays
// the whole text, any other caret stays where it was or at the end.
TEditState RepairedBeforeKey(const TCharEditProps& props, const TEditState& state);

} // namespace korvisel
