// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/AudioValues.h"
#include "editor/ClipboardRules.h"
#include "editor/DeviceEdits.h"
#include "editor/OutputEdits.h"
#include "editor/PhoneGridRules.h"
#include "editor/PrintDataEdits.h"

#include "core/PhoneTestSupport.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

using test::ScriptedPhoneDialog;
using test::WithPhones;

TEST(OutputEdits, StartStateWorkTypeAndTime) {
    TProjectInfo project;
    ClickStartState(project, TOutputNumber{1}, TStartState::Disabled);
    EXPECT_EQ(project.Outputs[1].StartState, TStartState::Disabled);
    ClickStartState(project, TOutputNumber{4}, TStartState::Enabled);
    EXPECT_EQ(project.Outputs[1].StartState, TStartState::Disabled) << "no fourth output";

    project.Outputs[2].Time = 11;
    ClickWorkType(project, TOutputNumber{2}, TWorkType::Bistable);
    EXPECT_EQ(project.Outputs[2].WorkType, TWorkType::Bistable);
    EXPECT_EQ(project.Outputs[2].Time, 11) << "a bistable output keeps its time";

    const TTimeEdit whole = ChangeOutputTimeWhole(project, TOutputNumber{3}, 0);
    EXPECT_EQ(whole.HalfSeconds, 1) << "5 s down to 0 s is raised to half a second";
    EXPECT_TRUE(whole.Raised);
    EXPECT_FALSE(ChangeOutputTimeFraction(project, TOutputNumber{3}, "5").Raised);
    const TTimeEdit emptied = ChangeOutputTimeFraction(project, TOutputNumber{3}, "");
    EXPECT_TRUE(emptied.Raised) << "an emptied fraction counts as 0";
    EXPECT_EQ(project.Outputs[3].Time, 1);
    project.Outputs[3].Time = 255;
    StepOutputTime(project, TOutputNumber{3}, true);
    EXPECT_EQ(project.Outputs[3].Time, 255);
    project.Outputs[3].Time = 1;
    StepOutputTime(project, TOutputNumber{3}, false);
    EXPECT_EQ(project.Outputs[3].Time, 1);
}

TEST(DeviceEdits, PinAndSmsCentre) {
    const struct {
        const char* text;
        const char* pin;
    } pins[] = {{"7", "7000"}, {"12", "1200"}, {"", "0000"}, {"12345", "1234"}};
    for (const auto& c : pins) {
        const auto pin = PinFromText(c.text);
        EXPECT_EQ(std::string(pin.begin(), pin.end()), c.pin) << c.text;
    }
    const struct {
        const char* text;
        const char* stored;
    } centres[] = {{"+79+16", "+7916"}, {"+", "+"}, {"8+", "8"}, {"+79168999100", "+79168999100"}, {"", ""}};
    for (const auto& c : centres)
        EXPECT_EQ(SmsCentreFromText(c.text), c.stored) << c.text;

    TProjectInfo project;
    ChangePin(project, "5");
    EXPECT_EQ(project.Pin, (std::array<char, 4>{'5', '0', '0', '0'}));
}

TEST(DeviceEdits, TestPeriodAndSwitches) {
    TProjectInfo project;
    SelectTestPeriod(project, TPeriodPart::Minutes, 0);
    EXPECT_EQ(project.TestMinutes, 1) << "all parts zero is ten minutes";
    SelectTestPeriod(project, TPeriodPart::Days, 7);
    SelectTestPeriod(project, TPeriodPart::Minutes, 0);
    EXPECT_EQ(project.TestMinutes, 0);
    SelectTestPeriod(project, TPeriodPart::Hours, 24);
    EXPECT_EQ(project.TestHours, 0) << "no such item";

    ClickTestCheck(project, 1, true);
    ClickTestCheck(project, 2, true);
    EXPECT_TRUE(project.GsmEnabled);
    EXPECT_TRUE(project.TestEnabled);
}

TEST(DeviceEdits, GsmLists) {
    EXPECT_EQ(GsmTimeItems(GsmReactionSteps, "second"),
              (std::vector<std::string>{"10 second", "20 second", "30 second", "40 second", "50 second",
                                        "60 second"}));
    TProjectInfo project;
    SelectGsmTime(project, TGsmTime::Lockout, 11);
    EXPECT_EQ(project.GsmLockoutTime, 12);
    SelectGsmTime(project, TGsmTime::Reaction, -1);
    EXPECT_EQ(project.GsmReactionTime, 1) << "nothing selected";
}

TEST(DeviceEdits, TestReportKindSuppliesPhones) {
    const struct {
        std::initializer_list<int> present;
        TReportKind kind;
        std::uint8_t clip1, clip2; // before
        std::size_t asked;
        std::uint8_t smsPhone, dataPhone, clip1After, clip2After;
    } cases[] = {
        {{4, 6}, TReportKind::Sms, 0, 0, 0, 4, 0, 0, 0},
        {{}, TReportKind::Data, 0, 0, 1, 0, 1, 0, 0},
        {{}, TReportKind::Clip, 0, 0, 1, 0, 0, 1, 0},
        {{5}, TReportKind::Clip, 0, 0, 0, 0, 0, 5, 5},
        {{5, 8}, TReportKind::Clip, 0, 0, 0, 0, 0, 5, 0},
        {{5}, TReportKind::Clip, 5, 5, 1, 0, 0, 1, 5}, // entry 1 empty: asked for
        {{1}, TReportKind::Clip, 1, 1, 1, 0, 0, 1, 2}, // entry 1 holds the one number: entry 2 asked for
    };
    for (const auto& c : cases) {
        TProjectInfo project;
        project = WithPhones(c.present);
        project.TestClipPhone1 = c.clip1;
        project.TestClipPhone2 = c.clip2;
        ScriptedPhoneDialog dialog;
        dialog.answers = {"5550", "5551"};
        ClickTestReportType(project, dialog, c.kind);
        const TProjectInfo& p = project;
        EXPECT_EQ(p.TestReportType, c.kind);
        EXPECT_EQ(dialog.calls.size(), c.asked);
        EXPECT_EQ(p.TestSmsPhone, c.smsPhone);
        EXPECT_EQ(p.TestDataPhone, c.dataPhone);
        EXPECT_EQ(p.TestClipPhone1, c.clip1After);
        EXPECT_EQ(p.TestClipPhone2, c.clip2After);
    }
}

TEST(DeviceEdits, CrowObject) {
    TProjectInfo project;
    ChangeCrowObject(project, 0, "b");
    ChangeCrowObject(project, 3, "");
    ChangeCrowObject(project, 4, "9");
    EXPECT_EQ(project.CrowObject, (std::array<char, 4>{'B', '0', '0', '0'}));
}

TEST(PhoneGrids, UseColumnAndTestClipGrid) {
    TProjectInfo project = WithPhones({1, 2, 3});
    project.Inputs[1].SmsPhone = 2;
    project.Inputs[2].ReportType = TReportKind::Data;
    project.Inputs[2].DataPhone = 2;
    project.Inputs[3].AlarmPhone = 2; // an SMS input: its ALARM phone is not in use
    project.TestReportType = TReportKind::Clip;
    project.TestClipPhone1 = 3;
    EXPECT_EQ(PhoneUse(project, 2), (TPhoneUse{true, false, false, true}));
    EXPECT_EQ(PhoneUse(project, 3), (TPhoneUse{false, false, true, false}));
    EXPECT_EQ(UseStripPositions(2, 116), (std::vector<int>{39, 60})) << "SMS at the left, DATA 21 pixels on";
    EXPECT_EQ(UseStripPositions(1, 116), (std::vector<int>{50}));
    EXPECT_TRUE(UseStripPositions(0, 116).empty());
    TLanguageTexts texts;
    texts.SetBuiltInTexts();
    EXPECT_EQ(PhoneUseText(PhoneUse(project, 2), texts), "SMS, DATA") << "read in the column's order";
    EXPECT_EQ(PhoneUseText(PhoneUse(project, 4), texts), "not used");

    ScriptedPhoneDialog dialog;
    project.TestClipPhone2 = 2;
    TestClipGridDoubleClick(project, dialog, 2, ClipColumn::Event);
    EXPECT_EQ(project.TestClipPhone1, 3) << "the second phone's row changes nothing";
    TestClipGridDoubleClick(project, dialog, 1, ClipColumn::Event);
    EXPECT_EQ(project.TestClipPhone1, 1);
    EXPECT_EQ(TestClipGridDoubleClick(project, dialog, 1, ClipColumn::Number),
              TClipGridAction::EditPhoneBookEntry);
}

TEST(PrintDataEdits, FieldsAndComment) {
    const std::string forty(40, 'x');
    const TFortyRule shifted = ApplyFortyCharacterRule("a" + forty.substr(1) + "Z");
    EXPECT_EQ(shifted.Text, forty.substr(1) + "Z") << "the 41st character drops the first";
    EXPECT_TRUE(shifted.Shifted);
    EXPECT_FALSE(ApplyFortyCharacterRule(forty).Shifted);
    std::string cyrillic;
    for (int i = 0; i < 41; ++i)
        cyrillic += "\xD0\x96";
    EXPECT_EQ(Utf8Length(ApplyFortyCharacterRule(cyrillic).Text), 40u) << "characters, not bytes";

    TDopPrintInfo print;
    ChangeSerialNumber(print, "  SN-01 ");
    ChangeRegNumber(print, "  R7 ");
    ChangePowerOtherText(print, " 12 V ");
    EXPECT_EQ(print.SerialNumber, "SN-01");
    EXPECT_EQ(print.RegNumber, "  R7 ");
    EXPECT_EQ(print.PowerSupply.OtherText, " 12 V ");
    ClickPowerKind(print, PowerKind::Accumulator);
    ClickPowerKind(print, PowerKind::Other);
    EXPECT_EQ(print.PowerSupply.OtherText, " 12 V ") << "the other text comes back";

    EXPECT_EQ(ApplyCommentRule({"one", "two", "three"}).Comment, "one\rtwo\rthree\r");
    EXPECT_EQ(ApplyCommentRule({""}).Comment, "") << "an empty memo";
    EXPECT_EQ(ApplyCommentRule({"one", ""}).Comment, "one\r") << "a final line break";
    const TCommentText cut = ApplyCommentRule({std::string(290, 'a'), std::string(20, 'b')});
    EXPECT_EQ(cut.Lines[1], std::string(10, 'b'));
    EXPECT_TRUE(cut.Repaired);
    EXPECT_EQ(CommentFromText("Gate\nGarage\r\nShed"), "Gate\rGarage\rShed\r");
    EXPECT_EQ(CommentFromText("Gate\n"), "Gate\r");
    EXPECT_EQ(CommentFromText(""), "");
    EXPECT_TRUE(CommentKeyAccepted(299));
    EXPECT_FALSE(CommentKeyAccepted(300));
}

TEST(ClipboardRules, StatesAndOperations) {
    EXPECT_EQ(ClipboardTargetFocused(TClipTarget::NumberEdit, false, true),
              (TClipActionStates{false, false, true, false, true}));
    EXPECT_EQ(ClipboardTargetFocused(TClipTarget::CharEdit, true, false),
              (TClipActionStates{true, true, false, true, true}));
    EXPECT_EQ(ClipboardTargetFocused(TClipTarget::PhoneGrid, false, false),
              (TClipActionStates{true, true, false, true, true}));
    EXPECT_EQ(ClipboardTimerTick(TClipTarget::None, false, false, true), TClipActionStates{});
    EXPECT_EQ(ClipboardTimerTick(TClipTarget::NumberEdit, true, false, false),
              (TClipActionStates{false, false, false, false, true}))
        << "nothing selected: Cut, Copy and Delete go within one tick";
    EXPECT_EQ(ClipboardTimerTick(TClipTarget::NumberEdit, false, true, true), TClipActionStates{});

    const struct {
        TClipTarget target;
        TClipAction action;
        TClipOperation operation;
    } cases[] = {
        {TClipTarget::CharEdit, TClipAction::Cut, TClipOperation::CutSelectionThenZero},
        {TClipTarget::NumberEdit, TClipAction::Cut, TClipOperation::CutSelection},
        {TClipTarget::NumberEdit, TClipAction::Delete, TClipOperation::Clear},
        {TClipTarget::CharEdit, TClipAction::Delete, TClipOperation::SetZero},
        {TClipTarget::NumberEdit, TClipAction::Paste, TClipOperation::PasteKeepingCaret},
        {TClipTarget::PhoneGrid, TClipAction::Copy, TClipOperation::PhoneBookCopy},
        {TClipTarget::PhoneGrid, TClipAction::Delete, TClipOperation::PhoneBookDelete},
        {TClipTarget::None, TClipAction::Paste, TClipOperation::Nothing},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClipboardOperation(c.target, c.action), c.operation);
}

TEST(AudioValues, CancelKeepsTheProjectAcceptChangesIt) {
    TProjectInfo project;
    TAudioValues values = AudioWorkingValues(project);
    EXPECT_EQ(values, (TAudioValues{1, 1, 6, 2}));
    values = {4, 0, 9, 9};
    EXPECT_EQ(project.AudioParams[3], 6) << "working values are not the project's";
    AcceptAudioValues(project, values);
    EXPECT_EQ(project.AudioParams[1], 4);
    // What a parameter's edit can show; a file another program wrote may hold more.
    EXPECT_TRUE(AudioValueShown(0, 4));
    EXPECT_FALSE(AudioValueShown(0, 5));
    EXPECT_FALSE(AudioValueShown(3, 0)) << "the timeout starts at 1";
    EXPECT_FALSE(AudioValueShown(4, 1)) << "there are four parameters";
}

} // namespace
} // namespace korvisel
