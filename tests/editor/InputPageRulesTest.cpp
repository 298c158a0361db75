// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ContactIdDigits.h"
#include "editor/HalfSecondTime.h"
#include "editor/PageLayout.h"
#include "editor/PhoneGridRules.h"
#include "editor/PhoneSelectorRules.h"
#include "editor/ReportPhones.h"
#include "editor/SmsMemoRules.h"

#include "core/PhoneTestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace korvisel {
namespace {

using test::ScriptedPhoneDialog;
using test::WithPhones;

TEST(PhoneSelector, ListsNumbersAndSelectsOnlyWhatTheReferenceNames) {
    const struct {
        std::initializer_list<int> present;
        std::uint8_t reference;
        std::vector<std::string> items;
        int selected;
    } cases[] = {
        {{}, 4, {"Not Present"}, 0},
        {{2, 5}, 5, {"555002", "555005"}, 1},
        {{2, 5}, 0, {"555002", "555005"}, -1}, // no phone named: no phone shown
        {{2, 5}, 3, {"555002", "555005"}, -1}, // an emptied entry: the gap is shown, not filled
    };
    for (const auto& c : cases) {
        const TProjectInfo project = WithPhones(c.present);
        const TPhoneSelector selector = FillPhoneSelector(project, c.reference, "Not Present");
        EXPECT_EQ(selector.Items, c.items);
        EXPECT_EQ(selector.Selected, c.selected);
        EXPECT_EQ(SelectorWantsPhoneBook(selector), c.present.size() == 0);
    }
    const TProjectInfo project = WithPhones({2, 5});
    std::uint8_t reference = 2;
    const TPhoneSelector selector = FillPhoneSelector(project, reference, "-");
    SelectPhoneItem(selector, 1, reference);
    EXPECT_EQ(reference, 5);
    SelectPhoneItem(selector, 7, reference);
    EXPECT_EQ(reference, 5) << "an item outside the list changes nothing";
}

TEST(SmsMemo, KeyFilter) {
    const struct {
        char key;
        std::size_t count;
        bool accepted;
    } cases[] = {{'A', 0, true},  {'z', 9, true}, {'z', 10, false},   {'_', 0, false},
                 {'~', 0, false}, {'@', 3, true}, {'\xC0', 0, false}, {'{', 0, true}};
    for (const auto& c : cases)
        EXPECT_EQ(SmsKeyAccepted(c.key, c.count), c.accepted) << c.key << " " << c.count;
}

TEST(SmsMemo, ChangeRule) {
    const struct {
        std::vector<std::string> lines;
        std::vector<std::string> shown;
        std::string stored;
        bool repaired;
    } cases[] = {
        {{"AB", "CD"}, {"AB", "CD"}, "ABCD", false},
        {{"DOOR OPEN!!"}, {"DOOR OPEN!"}, "DOOR OPEN!", true},
        {{"ABCDEF", "GHIJKL"}, {"ABCDEF", "GHIJ"}, "ABCDEFGHIJ", true},
        {{"a_b", "\xD0\x92x"}, {"ab", "x"}, "abx", true}, // underscore and Cyrillic never stored
        {{""}, {""}, "", false},
    };
    for (const auto& c : cases) {
        const TSmsMemoText text = ApplySmsMemoRule(c.lines);
        EXPECT_EQ(text.Lines, c.shown);
        EXPECT_EQ(text.Stored, c.stored);
        EXPECT_EQ(text.Repaired, c.repaired);
    }
    EXPECT_EQ(SmsMemoCharacterCount({"AB", "CDE"}), 5u);
    EXPECT_EQ(SmsCharactersLeft({"AB", "CDE"}), 5u);
    EXPECT_EQ(SmsCharactersLeft({}), 10u);
    EXPECT_EQ(SmsCharactersLeft({"ABCDEFGHIJ"}), 0u);
    EXPECT_EQ(SmsCharactersLeft({"\\xFF\\xFE\\x01"}), 0u) << "a foreign text shown in escapes";
}

TEST(HalfSecondTime, Edits) {
    EXPECT_EQ(WholeSecondsText(25), "12");
    EXPECT_EQ(FractionText(25), "5");
    EXPECT_EQ(FractionText(24), "0");
    const struct {
        int before;
        std::uint32_t seconds;
        int after;
    } whole[] = {{11, 3, 7}, {10, 3, 6}, {11, 127, 255}, {11, 0, 1}, {10, 0, 0}, {10, 900, 254}};
    for (const auto& c : whole)
        EXPECT_EQ(WithWholeSeconds(c.before, c.seconds), c.after) << c.before << " " << c.seconds;

    const struct {
        int before;
        const char* text;
        TEmptyFraction empty;
        int after;
    } fraction[] = {{10, "5", TEmptyFraction::Zero, 11},
                    {11, "0", TEmptyFraction::Zero, 10},
                    {11, "", TEmptyFraction::Zero, 10},
                    {10, "", TEmptyFraction::Half, 11},
                    {1, "0", TEmptyFraction::Zero, 0}};
    for (const auto& c : fraction)
        EXPECT_EQ(WithFraction(c.before, c.text, c.empty), c.after) << c.before << " " << c.text;

    EXPECT_EQ(NonZeroTime(0), 1) << "0 s and fraction 0 is half a second";
    EXPECT_EQ(NonZeroTime(7), 7);
    EXPECT_EQ(StepHalfSeconds(255, true), 255);
    EXPECT_EQ(StepHalfSeconds(254, true), 255);
    EXPECT_EQ(StepHalfSeconds(1, false), 1);
    EXPECT_EQ(StepHalfSeconds(2, false), 1);
}

TEST(PageLayout, TimeRowsMakeRoomForLongLabels) {
    const struct {
        int widest;
        int labelX;
        int shift;
    } cases[] = {{100, 25, 0}, {159, 25, 0}, {160, 24, 0}, {176, 8, 0},
                 {177, 8, 1},  {190, 8, 14}, {196, 8, 20}, {260, 8, 20}};
    for (const auto& c : cases) {
        const TTimeRowLayout layout = TimeRowLayout(c.widest);
        EXPECT_EQ(layout.LabelX, c.labelX) << c.widest;
        EXPECT_EQ(layout.EditShift, c.shift) << c.widest;
    }
    EXPECT_EQ(CenteredLeft(472, 101), 185);
}

TEST(ContactIdDigits, EditsStoreOneSymbol) {
    const struct {
        const char* text;
        char stored;
    } cases[] = {{"7", '7'}, {"b", 'B'}, {"#", '#'}, {"", '0'}, {"x", '0'}, {"C9", 'C'}};
    for (const auto& c : cases)
        EXPECT_EQ(ContactIdSymbolOf(c.text), c.stored) << c.text;

    TContactId cid;
    SetContactIdPosition(cid, 4, "6");
    SetContactIdPosition(cid, 11, "");
    SetContactIdPosition(cid, 12, "9"); // past the field: ignored
    EXPECT_EQ(cid.Code[0], '6');
    EXPECT_EQ(cid.Partition[1], '0');
}

// Typing a whole code runs through the edits; backspace walks back; the ends hold.
TEST(ContactIdDigits, TheFocusFollowsTheTyping) {
    const struct {
        int position;
        char key;
        int next;
    } cases[] = {{0, '1', 1}, {3, 'b', 4}, {4, '0', 5},  {5, '#', 6},  {11, '9', 11},
                 {2, 'x', 2}, {2, ' ', 2}, {6, '\b', 5}, {0, '\b', 0}, {7, '*', 8}};
    for (const auto& c : cases)
        EXPECT_EQ(ContactIdPositionAfterKey(c.position, c.key), c.next) << c.position << " " << c.key;
}

TEST(ReportPhones, SingleReportPhone) {
    ScriptedPhoneDialog dialog;
    TProjectInfo project = WithPhones({4, 6});
    std::uint8_t& alarm = project.Inputs[1].AlarmPhone;
    EnsureReportPhone(project, dialog, alarm);
    EXPECT_EQ(alarm, 4);

    TProjectInfo empty;
    dialog.answers = {"5551234"};
    EnsureReportPhone(empty, dialog, empty.Inputs[1].SmsPhone);
    EXPECT_EQ(dialog.calls, (std::vector<ScriptedPhoneDialog::Call>{{"", true}}));
    EXPECT_EQ(empty.Inputs[1].SmsPhone, 1);
    EXPECT_EQ(empty.Phones[1].Number, "5551234");
}

TEST(ReportPhones, ClipPhones) {
    const struct {
        std::initializer_list<int> present;
        std::vector<int> asked; // the entries the dialog is opened for
        int event;
        int restore;
    } cases[] = {
        {{3, 7}, {}, 3, 7}, {{2, 3, 7}, {}, 2, 3},
        {{}, {1, 2}, 1, 2}, {{5}, {1}, 1, 5}, // one number, entry 1 empty: entry 1 is asked for
        {{1}, {2}, 1, 2},                     // one number in entry 1: entry 2 is asked for
    };
    for (const auto& c : cases) {
        TProjectInfo project = WithPhones(c.present);
        ScriptedPhoneDialog dialog;
        for (std::size_t n = 0; n < c.asked.size(); ++n)
            dialog.answers.push_back("77700" + std::to_string(n));
        EnsureClipPhones(project, dialog, TInputNumber{2});
        EXPECT_EQ(dialog.calls.size(), c.asked.size());
        for (int k : c.asked)
            EXPECT_FALSE(project.Phones[static_cast<std::size_t>(k)].Empty) << k;
        EXPECT_EQ(project.Inputs[2].ClipEventPhone, c.event);
        EXPECT_EQ(project.Inputs[2].ClipRestorePhone, c.restore);
    }
}

TEST(PhoneGrids, NumberCellAndDoubleClicks) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    TProjectInfo project = WithPhones({2, 3, 5});
    EXPECT_EQ(PhoneGridNumberText(project, 2, texts), "555002");
    EXPECT_EQ(PhoneGridNumberText(project, 4, texts), "Pnone 4 - Not Present");

    ScriptedPhoneDialog dialog;
    project.Inputs[1].ClipEventPhone = 2;
    project.Inputs[1].ClipRestorePhone = 3;
    EXPECT_EQ(ClipGridDoubleClick(project, dialog, TInputNumber{1}, 3, ClipColumn::Event),
              TClipGridAction::Done);
    EXPECT_EQ(project.Inputs[1].ClipEventPhone, 3) << "the restore phone's row swaps the two";
    EXPECT_EQ(project.Inputs[1].ClipRestorePhone, 2);
    ClipGridDoubleClick(project, dialog, TInputNumber{1}, 5, ClipColumn::Restore);
    EXPECT_EQ(project.Inputs[1].ClipRestorePhone, 5);
    EXPECT_EQ(project.Inputs[1].ClipEventPhone, 3);
    EXPECT_TRUE(dialog.calls.empty());

    EXPECT_EQ(ClipGridDoubleClick(project, dialog, TInputNumber{1}, 9, ClipColumn::Number),
              TClipGridAction::EditPhoneBookEntry);

    ClipGridDoubleClick(project, dialog, TInputNumber{1}, 8,
                        ClipColumn::Event); // empty entry, dialog cancelled
    EXPECT_EQ(dialog.calls, (std::vector<ScriptedPhoneDialog::Call>{{"", false}}));
    EXPECT_EQ(project.Inputs[1].ClipEventPhone, 3);
    dialog.answers = {"5558"};
    ClipGridDoubleClick(project, dialog, TInputNumber{1}, 8, ClipColumn::Event);
    EXPECT_EQ(project.Inputs[1].ClipEventPhone, 8);
}

} // namespace
} // namespace korvisel
