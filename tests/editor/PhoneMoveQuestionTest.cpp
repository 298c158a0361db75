// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PhoneMoveQuestion.h"

#include "core/PhoneBook.h"
#include "core/PhoneTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvisel {
namespace {

using test::WithPhones;

// What Delete of entry 3 asks: the users of the phone in force, and where each goes.
TEST(PhoneMoveQuestion, NamesWhatUsesThePhoneAndWhereItGoes) {
    const struct {
        const char* what;
        std::initializer_list<int> others; // entries present besides 3
        std::function<void(TProjectInfo&)> use;
        std::string question; // without "Delete it?"; empty: nothing is asked
    } cases[] = {
        {"nothing", {1}, [](TProjectInfo&) {}, ""},
        {"a phone of a report kind not chosen",
         {1},
         [](TProjectInfo& p) {
             p.Inputs[1].ReportType = TReportKind::Alarm;
             p.Inputs[1].SmsPhone = 3;
             p.GsmSmsPhone = 3;  // supervision off
             p.TestSmsPhone = 3; // test off
         },
         ""},
        {"two outputs, to the phone below",
         {1, 5},
         [](TProjectInfo& p) { p.Outputs[1].ControlPhone = p.Outputs[3].AnswerPhone = 3; },
         "Phone 3, 5553, is used by Outputs 1, 3. Once it is empty they go to phone 1, 555001."},
        {"the last phone",
         {},
         [](TProjectInfo& p) { p.Inputs[2].ReportType = TReportKind::Alarm, p.Inputs[2].AlarmPhone = 3; },
         "Phone 3, 5553, is used by Input 2 (ALARM). Once it is empty they are left without a phone."},
        {"uses that go apart or stay",
         {1, 6},
         [](TProjectInfo& p) {
             p.Inputs[1].ReportType = TReportKind::Clip;
             p.Inputs[1].ClipEventPhone = 3;
             p.Inputs[1].ClipRestorePhone = 1; // the event phone cannot take the restore phone's place
             p.Inputs[4].ReportType = TReportKind::Data;
             p.Inputs[4].DataPhone = 3;
             p.TestEnabled = true;
             p.TestReportType = TReportKind::Sms;
             p.TestSmsPhone = 3;
             p.CrowPhone = 3;
         },
         "Phone 3, 5553, is used by Input 1 (CLIP event), Input 4 (DATA), Periodic test (SMS) and CROW "
         "adapter. "
         "Once it is empty:\n"
         "Input 1 (CLIP event): phone 6, 555006\n"
         "Input 4 (DATA) and CROW adapter: still phone 3, with no number\n"
         "Periodic test (SMS): phone 1, 555001"},
        {"both phones of a CLIP report",
         {1},
         [](TProjectInfo& p) {
             p.Inputs[2].ReportType = TReportKind::Clip;
             p.Inputs[2].ClipEventPhone = 3;
             p.Inputs[2].ClipRestorePhone = 3;
             p.TestEnabled = true;
             p.TestReportType = TReportKind::Clip;
             p.TestClipPhone2 = 3;
         },
         "Phone 3, 5553, is used by Input 2 (CLIP) and Periodic test (CLIP restore). Once it is empty:\n"
         "Input 2 (CLIP event): phone 1, 555001\n"
         "Input 2 (CLIP restore): no phone\n"
         "Periodic test (CLIP restore): still phone 3, with no number"},
    };
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    for (const auto& c : cases) {
        TProjectInfo before = WithPhones(c.others);
        before.Phones[3] = {"5553", "Gate", false};
        c.use(before);
        TProjectInfo after = before;
        PhoneBookDelete(after, 3);
        const std::string asked = PhoneMoveQuestion(before, after, 3, TEmptyingCommand::Delete, texts);
        EXPECT_EQ(asked, c.question.empty() ? "" : c.question + "\n\nDelete it?") << c.what;
    }
}

TEST(PhoneMoveQuestion, OnlyAnEmptiedNumberAsks) {
    TProjectInfo before = WithPhones({1, 2});
    before.Outputs[1].ControlPhone = 2;
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    TProjectInfo renumbered = before;
    renumbered.Phones[2].Number = "777";
    EXPECT_EQ(PhoneMoveQuestion(before, renumbered, 2, TEmptyingCommand::Edit, texts), "");

    before.Phones[2].Empty = true; // a reference left on an empty entry is mended, not asked about
    TProjectInfo after = before;
    EmptyPhoneEntry(after, 2, TPhoneRule::Edit);
    EXPECT_EQ(PhoneMoveQuestion(before, after, 2, TEmptyingCommand::Edit, texts), "");
}

} // namespace
} // namespace korvisel
