// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditHistory.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

using namespace std::chrono_literals;
using TClock = TEditHistory::TClock;

TEditSnapshot WithPin(char digit) {
    TEditSnapshot state;
    state.Project.Pin = {digit, digit, digit, digit};
    return state;
}

const TEditPlace Typing{{nkPin, 0, 0}, "EditPin", true};
const TEditPlace Command{{nkPhones, 0, 0}, ""};
const TEditPlace List{{nkTestTime, 2, 2}, "TestComboBox1", false};

TEST(EditHistory, UndoAndRedoWalkTheSteps) {
    TEditHistory history(WithPin('1'));
    const TClock::time_point t{};
    EXPECT_FALSE(history.Record(WithPin('1'), Command, t)) << "nothing changed";
    EXPECT_TRUE(history.Record(WithPin('2'), Command, t));
    EXPECT_TRUE(history.Record(WithPin('3'), Command, t + 1ms)) << "commands never merge";
    ASSERT_TRUE(history.CanUndo());
    EXPECT_EQ(history.UndoPlace(), Command);
    EXPECT_EQ(history.Undo(), WithPin('2'));
    EXPECT_EQ(history.Undo(), WithPin('1'));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Redo(), WithPin('2'));
    // A new edit after an undo drops what could have been redone.
    EXPECT_TRUE(history.Record(WithPin('9'), Command, t + 2ms));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Undo(), WithPin('2'));
    EXPECT_EQ(history.Steps(), 2u);
}

TEST(EditHistory, TypingIntoOneControlIsOneStep) {
    const TClock::time_point t{};
    const struct {
        const char* what;
        TEditPlace second;
        TClock::time_point secondAt;
        bool endTypingBetween;
        std::size_t steps;
    } cases[] = {
        {"the same control, at once", Typing, t + 300ms, false, 1},
        {"a pause longer than a second", Typing, t + 1500ms, false, 2},
        {"the focus left in between", Typing, t + 300ms, true, 2},
        {"another control", {{nkPin, 0, 0}, "EditOther", true}, t + 300ms, false, 2},
        {"a command", Command, t + 300ms, false, 2},
        {"a wheel turn on a list", List, t + 300ms, false, 2},
    };
    for (const auto& c : cases) {
        TEditHistory history(WithPin('0'));
        history.Record(WithPin('1'), Typing, t);
        if (c.endTypingBetween)
            history.EndTyping();
        history.Record(WithPin('2'), c.second, c.secondAt);
        EXPECT_EQ(history.Steps(), c.steps) << c.what;
        EXPECT_EQ(history.Current(), WithPin('2')) << c.what;
    }
    // A list picked twice at once is two steps: only typing merges.
    TEditHistory picks(WithPin('0'));
    picks.Record(WithPin('1'), List, t);
    picks.Record(WithPin('2'), List, t + 100ms);
    EXPECT_EQ(picks.Steps(), 2u);
    // Typed back to where the step began: the step is gone.
    TEditHistory history(WithPin('0'));
    history.Record(WithPin('1'), Typing, t);
    history.Record(WithPin('0'), Typing, t + 100ms);
    EXPECT_FALSE(history.CanUndo());
}

TEST(EditHistory, KeepsTheNewestThousandSteps) {
    TEditHistory history;
    const TClock::time_point t{};
    for (int n = 1; n <= 1005; ++n) {
        TEditSnapshot state;
        state.Print.SerialNumber = std::to_string(n);
        history.Record(state, Command, t);
    }
    EXPECT_EQ(history.Steps(), TEditHistory::Limit);
    int undone = 0;
    while (history.CanUndo()) {
        history.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, 1000);
    EXPECT_EQ(history.Current().Print.SerialNumber, "5");
}

} // namespace
} // namespace korvisel
