// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditHistory.h"

#include "core/PhoneTestSupport.h"
#include "editor/DeviceEdits.h"
#include "editor/InputEdits.h"
#include "editor/OutputEdits.h"
#include "editor/PrintDataEdits.h"
#include "files/Document.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace korvisel {
namespace {

using namespace std::chrono_literals;
using TClock = TEditHistory::TClock;

TEditSnapshot WithPin(char digit) {
    TEditSnapshot state;
    state.Project.Pin = {digit, digit, digit, digit};
    return state;
}

const TEditPlace Typing{"PIN code", {nkPin, 0, 0}, "EditPin"};
const TEditPlace Command{"Phone numbers", {nkPhones, 0, 0}, ""};

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
        {"another control", {"PIN code", {nkPin, 0, 0}, "EditOther"}, t + 300ms, false, 2},
        {"a command", Command, t + 300ms, false, 2},
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

// Random edits through the rules the pages call, each recorded as the window records it: undoing
// them all gives back the start, redoing them all the end.
TEST(EditHistory, RandomEditsUndoAndRedoExactly) {
    std::mt19937 random(2026);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int sequence = 0; sequence < 500; ++sequence) {
        TDocument document;
        document.Project = test::WithPhones({1, 3});
        test::ScriptedPhoneDialog dialog;
        TEditHistory history({document.Project, document.Print});
        const TEditSnapshot start = history.Current();
        const std::function<void()> edits[] = {
            [&] { ClickSignal(document, TInputNumber{pick(1, 4)}, pick(0, 3)); },
            [&] {
                ChangeInputTimeWhole(document, TInputNumber{pick(1, 4)}, TInputTime::Restore,
                                     static_cast<std::uint32_t>(pick(0, 120)));
            },
            [&] {
                dialog.answers = {"5550" + std::to_string(pick(0, 9))};
                ClickInputCheck(document, dialog, TInputNumber{pick(1, 4)}, pick(0, 1) == 1);
            },
            [&] {
                ClickReportType(document, TInputNumber{pick(1, 4)}, static_cast<TReportKind>(pick(1, 4)));
            },
            [&] { ClickWorkType(document, TOutputNumber{pick(1, 3)}, static_cast<TWorkType>(pick(0, 2))); },
            [&] { StepOutputTime(document, TOutputNumber{pick(1, 3)}, pick(0, 1) == 1); },
            [&] { ChangePin(document, std::to_string(pick(1000, 9999))); },
            [&] { ClickGsmLevel(document, pick(1, 4)); },
            [&] { ChangeCrowObject(document, pick(0, 3), std::string(1, "0123456789ABCD*#"[pick(0, 15)])); },
            [&] { PhoneBookPaste(document.Project, pick(1, 9), "+7900" + std::to_string(pick(100, 999))); },
            [&] { PhoneBookDelete(document.Project, pick(1, 9)); },
            [&] { ChangeSerialNumber(document.Print, "SN" + std::to_string(pick(0, 99))); },
        };
        const int length = pick(1, 40);
        std::size_t recorded = 0;
        TClock::time_point when{};
        for (int n = 0; n < length; ++n) {
            edits[static_cast<std::size_t>(pick(0, static_cast<int>(std::size(edits)) - 1))]();
            when += 2s;
            recorded += history.Record({document.Project, document.Print}, Command, when) ? 1u : 0u;
        }
        const TEditSnapshot end{document.Project, document.Print};
        std::size_t undone = 0;
        for (; history.CanUndo(); ++undone)
            history.Undo();
        ASSERT_EQ(history.Current(), start) << "sequence " << sequence;
        ASSERT_EQ(undone, recorded) << "sequence " << sequence;
        while (history.CanRedo())
            history.Redo();
        ASSERT_EQ(history.Current(), end) << "sequence " << sequence;
    }
}

} // namespace
} // namespace korvisel
