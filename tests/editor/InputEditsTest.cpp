// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/InputEdits.h"

#include "core/PhoneTestSupport.h"
#include "editor/Document.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvisel {
namespace {

using test::ScriptedPhoneDialog;

TEST(Document, MarksOnlyWhatAFileKeeps) {
    const struct {
        const char* edit;
        std::function<void(TProjectInfo&)> change;
        bool modified;
    } cases[] = {
        {"report kind", [](TProjectInfo& p) { p.Inputs[2].ReportType = TReportKind::Data; }, true},
        {"SMS text", [](TProjectInfo& p) { p.Inputs[1].SmsEventText = "OPEN"; }, true},
        {"phone number",
         [](TProjectInfo& p) {
             p.Phones[3] = {"555", "NAME3", false};
         },
         true},
        {"Contact ID of a DATA input",
         [](TProjectInfo& p) {
             p.Inputs[4].ReportType = TReportKind::Data;
             p.Inputs[4].Cid.Code = {'1', '3', '0'};
         },
         true},
        {"ALARM phone of an SMS input", [](TProjectInfo& p) { p.Inputs[1].AlarmPhone = 5; }, false},
        {"phone name", [](TProjectInfo& p) { p.Phones[1].Name = "Guard"; }, false},
        {"no change", [](TProjectInfo&) {}, false},
    };
    for (const auto& c : cases) {
        TDocument document;
        document.Edit({}, c.change);
        EXPECT_EQ(document.Modified(), c.modified) << c.edit;
    }
}

TEST(InputEdits, EnablingAnSmsInputWithAnEmptyBookAsksForPhoneOne) {
    TProjectInfo project;
    ScriptedPhoneDialog dialog;
    dialog.answers = {"+79001234567"};
    ClickInputCheck(project, dialog, TInputNumber{1}, true);
    EXPECT_EQ(dialog.calls, (std::vector<ScriptedPhoneDialog::Call>{{"", true}}));
    EXPECT_TRUE(project.Inputs[1].Enabled);
    EXPECT_EQ(project.Inputs[1].SmsPhone, 1);
    EXPECT_EQ(project.Phones[1].Number, "+79001234567");

    ClickInputCheck(project, dialog, TInputNumber{1}, false);
    EXPECT_FALSE(project.Inputs[1].Enabled);
    EXPECT_EQ(dialog.calls.size(), 1u) << "switching off asks nothing";
}

TEST(InputEdits, EnablingSuppliesTheReportKindsPhones) {
    const struct {
        TReportKind kind;
        int sms, alarm, event, restore, data;
    } cases[] = {
        {TReportKind::Sms, 3, 0, 0, 0, 0},
        {TReportKind::Alarm, 0, 3, 0, 0, 0},
        {TReportKind::Clip, 0, 0, 3, 7, 0},
        {TReportKind::Data, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        TProjectInfo project;
        project.Phones[3] = {"5553", "", false};
        project.Phones[7] = {"5557", "", false};
        project.Inputs[2].ReportType = c.kind;
        ScriptedPhoneDialog dialog;
        ClickInputCheck(project, dialog, TInputNumber{2}, true);
        const TInputInfo& in = project.Inputs[2];
        EXPECT_EQ(in.SmsPhone, c.sms);
        EXPECT_EQ(in.AlarmPhone, c.alarm);
        EXPECT_EQ(in.ClipEventPhone, c.event);
        EXPECT_EQ(in.ClipRestorePhone, c.restore);
        EXPECT_EQ(in.DataPhone, c.data);
        EXPECT_TRUE(dialog.calls.empty());
    }
}

TEST(InputEdits, ReportKindButtons) {
    TProjectInfo project;
    project.Phones[2] = {"5552", "", false};
    ScriptedPhoneDialog dialog;
    ClickReportType(project, dialog, TInputNumber{1}, TReportKind::Data);
    EXPECT_EQ(project.Inputs[1].ReportType, TReportKind::Data);
    EXPECT_EQ(project.Inputs[1].DataPhone, 2);

    // CLIP with both phones on the one number asks for a second one.
    project.Inputs[1].ClipEventPhone = 2;
    project.Inputs[1].ClipRestorePhone = 2;
    dialog.answers = {"5551"};
    ClickReportType(project, dialog, TInputNumber{1}, TReportKind::Clip);
    EXPECT_EQ(dialog.calls, (std::vector<ScriptedPhoneDialog::Call>{{"", true}}));
    EXPECT_EQ(project.Inputs[1].ClipEventPhone, 1);
    EXPECT_EQ(project.Inputs[1].ClipRestorePhone, 2);

    ClickReportType(project, dialog, TInputNumber{1}, TReportKind{9});
    EXPECT_EQ(project.Inputs[1].ReportType, TReportKind::Clip) << "no such kind";
}

TEST(InputEdits, ArmConfirmation) {
    TProjectInfo project;
    ClickArmConfirm(project, TInputNumber{2}, true);
    EXPECT_EQ(project.ArmConfirmInput, 2);
    ClickArmConfirm(project, TInputNumber{2}, false);
    EXPECT_EQ(project.ArmConfirmInput, 0);
    ClickArmConfirm(project, TInputNumber{4}, true);
    EXPECT_EQ(project.ArmConfirmInput, 0) << "input 4 never confirms arming";
}

TEST(InputEdits, TimesAndSignal) {
    TProjectInfo project;
    const TTimeEdit whole = ChangeInputTimeWhole(project, TInputNumber{3}, TInputTime::Lockout, 0);
    EXPECT_EQ(whole.HalfSeconds, 1) << "15 half seconds at 0 whole seconds keep their half";
    EXPECT_FALSE(whole.Raised);
    const TTimeEdit zero = ChangeInputTimeFraction(project, TInputNumber{3}, TInputTime::Lockout, "0");
    EXPECT_EQ(zero.HalfSeconds, 1);
    EXPECT_TRUE(zero.Raised) << "0 s and fraction 0 becomes half a second";
    EXPECT_EQ(project.Inputs[3].LockoutTime, 1);

    EXPECT_EQ(ChangeInputTimeFraction(project, TInputNumber{3}, TInputTime::Restore, "").HalfSeconds, 13)
        << "an empty restore fraction counts as 5";
    EXPECT_EQ(ChangeInputTimeFraction(project, TInputNumber{3}, TInputTime::Reaction, "").HalfSeconds, 10)
        << "an empty reaction fraction counts as 0";

    project.Inputs[1].ReactionTime = 255;
    StepInputTime(project, TInputNumber{1}, TInputTime::Reaction, true);
    EXPECT_EQ(project.Inputs[1].ReactionTime, 255);

    ClickSignal(project, TInputNumber{2}, 3);
    EXPECT_EQ(project.Inputs[2].Signal, 3);
    ClickSignal(project, TInputNumber{2}, 4);
    EXPECT_EQ(project.Inputs[2].Signal, 3) << "no fifth signal";
}

} // namespace
} // namespace korvisel
