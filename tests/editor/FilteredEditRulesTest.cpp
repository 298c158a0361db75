// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FilteredEditRules.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEditState At(const std::string& text, int caret) {
    return {text, caret, caret, 0};
}

TEST(NumberEdit, Keys) {
    struct Case {
        const char* what;
        TNumberEditProps props;
        TEditState before;
        std::string keys;
        std::string text;
    } cases[] = {
        {"typing at the end shifts digits in", {}, At("12", 2), "3", "23"},
        {"and again", {}, At("12", 2), "34", "34"},
        {"typing at the start drops the last digit", {}, At("12", 0), "5", "51"},
        {"a lone zero is replaced", {100, 0, 3, false}, At("0", 1), "7", "7"},
        {"clamped while typing", {127, 0, 3, true}, At("12", 2), "9", "127"},
        {"letters are dropped", {}, At("1", 1), "a", "1"},
        {"backspace at the start changes nothing", {}, At("12", 0), "\b", "12"},
        {"backspace deletes before the caret", {100, 0, 3, false}, At("123", 2), "\b", "13"},
        {"backspace of the last digit leaves 0", {}, At("5", 1), "\b", "0"},
        {"a selection is replaced", {100, 0, 3, false}, {"123", 1, 0, 2}, "9", "93"},
    };
    for (const Case& c : cases) {
        TEditState state = c.before;
        for (char key : c.keys)
            state = NumberKeyPress(c.props, state, key).State;
        EXPECT_EQ(state.Text, c.text) << c.what;
    }
}

TEST(NumberEdit, Repair) {
    struct Case {
        TNumberEditProps props;
        const char* text;
        const char* shown;
        std::uint32_t number;
    } cases[] = {
        {{}, "a1b2c3", "12", 12},
        {{10, 0, 2, false}, "a1b2c3", "10", 10},
        {{127, 0, 3, false}, "129", "127", 127},
        {{127, 5, 3, false}, "", "5", 5},
        {{100, 0, 2, false}, "007", "0", 0},
    };
    for (const Case& c : cases) {
        const TNumberRepair repair = RepairNumberText(c.props, c.text);
        EXPECT_EQ(repair.Text, c.shown) << c.text;
        EXPECT_EQ(repair.Number, c.number) << c.text;
    }
    EXPECT_EQ(NumberKeyPress({}, At("1", 1), '\r').Consumed, false) << "Enter is the widget's";
}

TEST(CharEdit, KeysAndRepair) {
    struct Case {
        const char* what;
        TCharEditProps props;
        TEditState before;
        char key;
        std::string text;
    } cases[] = {
        {"a set of 0 and 5: 5 replaces 0 at the end", {"05", 1, false}, At("0", 1), '5', "5"},
        {"3 is not in the set", {"05", 1, false}, At("0", 1), '3', "0"},
        {"Contact ID symbols are upper case", {}, At("", 0), 'a', "A"},
        {"a full field is overwritten after the caret", {"0123456789", 4, false}, At("1234", 1), '9', "1934"},
        {"a full field shifts at its end", {"0123456789", 4, false}, At("1234", 4), '9', "2349"},
        {"a PIN may not become empty", {"0123456789", 4, true}, At("7", 1), '\b', "0"},
        {"backspace otherwise deletes", {"0123456789", 4, false}, At("7", 1), '\b', ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CharKeyPress(c.props, c.before, c.key).State.Text, c.text) << c.what;
    EXPECT_EQ(RepairCharText({"1234567890+", 5, false}, "+7 (912) 5"), "+7912");
    EXPECT_EQ(RepairCharText({}, "ab*#"), "*#") << "the repair keeps case";
}

} // namespace
} // namespace korvisel
