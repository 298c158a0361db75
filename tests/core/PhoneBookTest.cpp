// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PhoneBook.h"

#include "core/PhoneTestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace korvisel {
namespace {

using test::ScriptedPhoneDialog;
using test::WithPhones;

TEST(PhoneBook, NumberFilter) {
    const struct {
        const char* text;
        const char* number;
    } cases[] = {
        {"+79001234567", "+79001234567"},
        {"+7 (900) 123-45-67 office", "+79001234567"},
        {"8+800", "8800"},
        {" +12", "12"},
        {"++1", "+1"},
        {"abc", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilterPhoneNumber(c.text), c.number) << c.text;
}

TEST(PhoneBook, DeleteMovesReferencesToTheNearestNumberBelow) {
    const struct {
        std::initializer_list<int> present; // besides entry 3, which is deleted
        int moved;
    } cases[] = {{{1, 5}, 1}, {{5}, 5}, {{}, 0}, {{1, 2, 5}, 2}};
    for (const auto& c : cases) {
        TProjectInfo project = WithPhones(c.present);
        project.Phones[3] = {"5553", "Gate", false};
        project.Inputs[1].SmsPhone = 3;
        project.Inputs[2].AlarmPhone = 3;
        project.Inputs[3].DataPhone = 3;
        project.Outputs[1].ControlPhone = 3;
        project.Outputs[2].AnswerPhone = 3;
        project.GsmSmsPhone = 3;
        project.TestSmsPhone = 3;
        project.TestDataPhone = 3;
        project.CrowPhone = 3;

        EXPECT_TRUE(PhoneBookDelete(project, 3));
        EXPECT_TRUE(project.Phones[3].Empty);
        EXPECT_EQ(project.Phones[3].Name, "NAME3");
        for (std::uint8_t moved : {project.Inputs[1].SmsPhone, project.Inputs[2].AlarmPhone,
                                   project.Outputs[1].ControlPhone, project.Outputs[2].AnswerPhone,
                                   project.GsmSmsPhone, project.TestSmsPhone, project.TestDataPhone})
            EXPECT_EQ(moved, c.moved);
        EXPECT_EQ(project.Inputs[3].DataPhone, 3) << "an input's DATA phone is never moved";
        EXPECT_EQ(project.CrowPhone, 3) << "nor is the CROW phone";
    }
}

TEST(PhoneBook, DeleteOfAnEmptyEntryDoesNothing) {
    TProjectInfo project = WithPhones({1});
    project.Phones[4].Name = "Kept";
    project.Inputs[1].SmsPhone = 4;
    EXPECT_FALSE(PhoneBookDelete(project, 4));
    EXPECT_EQ(project.Phones[4].Name, "Kept");
    EXPECT_EQ(project.Inputs[1].SmsPhone, 4);
}

TEST(PhoneBook, DeleteKeepsEachInputsClipPhonesApart) {
    TProjectInfo project = WithPhones({1, 2, 4, 6});
    project.Inputs[1].ClipEventPhone = 4;
    project.Inputs[1].ClipRestorePhone = 2;
    project.Inputs[2].ClipRestorePhone = 1;
    project.TestClipPhone1 = 4;
    project.TestClipPhone2 = 6;
    PhoneBookDelete(project, 4);
    // Below 4 lie 1 and 2, but input 2 restores to 1 and input 1 restores to 2: the smallest
    // candidate left is 6.
    EXPECT_EQ(project.Inputs[1].ClipEventPhone, 6);
    EXPECT_EQ(project.Inputs[1].ClipRestorePhone, 2);
    EXPECT_EQ(project.TestClipPhone1, 2);
    EXPECT_EQ(project.TestClipPhone2, 2) << "the test's second CLIP phone follows the first";
}

TEST(PhoneBook, FirstNumberThroughEditFillsEveryReference) {
    TProjectInfo project;
    ScriptedPhoneDialog dialog;
    dialog.answers = {"+7 900 111"};
    project.Inputs[2].ClipEventPhone = 6; // equal CLIP phones are parted by the new entry
    project.Inputs[2].ClipRestorePhone = 6;
    PhoneBookEdit(project, dialog, 4, "Phone", "Enter Phone Number", "Edit Phone Number");

    EXPECT_EQ(dialog.prompt, "Enter Phone Number");
    EXPECT_EQ(dialog.calls, (std::vector<ScriptedPhoneDialog::Call>{{"", false}}));
    EXPECT_EQ(project.Phones[4].Number, "+7900111");
    EXPECT_FALSE(project.Phones[4].Empty);
    for (std::size_t i : {1u, 3u, 4u}) {
        const TInputInfo& in = project.Inputs[i];
        EXPECT_EQ(in.SmsPhone, 4);
        EXPECT_EQ(in.AlarmPhone, 4);
        EXPECT_EQ(in.ClipEventPhone, 4);
        EXPECT_EQ(in.ClipRestorePhone, 4);
        EXPECT_EQ(in.DataPhone, 0);
    }
    EXPECT_EQ(project.Inputs[2].ClipEventPhone, 6);
    EXPECT_EQ(project.Inputs[2].ClipRestorePhone, 4);
    for (const TOutputInfo& out : project.Outputs) {
        EXPECT_EQ(out.ControlPhone, 4);
        EXPECT_EQ(out.AnswerPhone, 4);
    }
    EXPECT_EQ(project.GsmSmsPhone, 4);
    EXPECT_EQ(project.TestSmsPhone, 0) << "the test report's pages supply its phones";
    EXPECT_EQ(project.CrowPhone, 0);
}

TEST(PhoneBook, EditCommandAnswers) {
    const struct {
        std::optional<std::string> answer;
        bool empty;
        const char* number;
        const char* name;
        int smsPhone;
    } cases[] = {
        {"+", false, "+", "NAME2", 2},            // no length check here
        {"", true, "", "Boss", 1},                // emptied: the references move down
        {std::nullopt, false, "5552", "Boss", 2}, // Cancel still fills references that are 0
        {"777", false, "777", "NAME2", 2},
    };
    for (const auto& c : cases) {
        TProjectInfo project = WithPhones({1, 2});
        project.Phones[2].Name = "Boss";
        project.Phones[2].Number = "5552";
        project.Inputs[1].SmsPhone = 2;
        project.Inputs[2].SmsPhone = 0;
        ScriptedPhoneDialog dialog;
        dialog.answers = {c.answer};
        PhoneBookEdit(project, dialog, 2, "Phone", "Enter", "Edit Phone Number");
        EXPECT_EQ(dialog.prompt, "Edit Phone Number");
        EXPECT_EQ(dialog.calls.at(0).Text, "5552");
        EXPECT_EQ(project.Phones[2].Empty, c.empty);
        EXPECT_EQ(project.Phones[2].Number, c.number);
        EXPECT_EQ(project.Phones[2].Name, c.name);
        EXPECT_EQ(project.Inputs[1].SmsPhone, c.smsPhone);
        EXPECT_EQ(project.Inputs[2].SmsPhone, c.empty ? 0 : 2);
    }
}

TEST(PhoneBook, EditPhoneEntryAnswers) {
    const struct {
        std::optional<std::string> answer;
        bool empty;
        int outputPhone; // output 1's control phone, 0 before
        int movedSms;    // input 1's SMS phone, 7 before
    } cases[] = {
        {"+5", true, 0, 1}, // "+" and one digit is no number
        {"", true, 0, 1},
        {"12", false, 7, 7},
        {std::nullopt, true, 0, 7}, // Cancel on an empty entry points nothing at it
    };
    for (const auto& c : cases) {
        TProjectInfo project = WithPhones({1});
        project.Inputs[1].SmsPhone = 7;
        project.Inputs[1].AlarmPhone = 7;
        ScriptedPhoneDialog dialog;
        dialog.answers = {c.answer};
        EditPhoneEntry(project, dialog, 7, true);
        EXPECT_EQ(dialog.calls, (std::vector<ScriptedPhoneDialog::Call>{{"", true}}));
        EXPECT_EQ(project.Phones[7].Empty, c.empty);
        EXPECT_EQ(project.Outputs[1].ControlPhone, c.outputPhone);
        EXPECT_EQ(project.Inputs[1].SmsPhone, c.movedSms);
        EXPECT_EQ(project.Inputs[1].AlarmPhone, 7) << "the narrow form leaves ALARM phones alone";
        EXPECT_EQ(project.Inputs[2].AlarmPhone, 0);
    }
}

TEST(PhoneBook, RequiredDialogButtons) {
    const struct {
        const char* text;
        bool ok;
    } cases[] = {{"", false},   {"1", false},   {"+1", false},  {"1+", false}, {"12", true},
                 {"+12", true}, {"+++", false}, {"+1+", false}, {"++12", true}};
    for (const auto& c : cases) {
        EXPECT_EQ(PhoneDialogOkEnabled(true, c.text), c.ok) << c.text;
        EXPECT_TRUE(PhoneDialogOkEnabled(false, c.text)) << c.text;
    }
    EXPECT_FALSE(PhoneDialogOkEnabledOnShow(true, ""));
    EXPECT_FALSE(PhoneDialogOkEnabledOnShow(true, "+")) << "what OK would store decides, shown or typed";
    EXPECT_TRUE(PhoneDialogOkEnabledOnShow(true, "5551"));
    EXPECT_FALSE(PhoneDialogCancelEnabled(true, ""));
    EXPECT_TRUE(PhoneDialogCancelEnabled(true, "5551"));
    EXPECT_TRUE(PhoneDialogCancelEnabled(false, ""));
}

TEST(PhoneBook, CopyAndPaste) {
    TProjectInfo project = WithPhones({1});
    EXPECT_EQ(PhoneBookCopy(project, 1), "555001");
    EXPECT_EQ(PhoneBookCopy(project, 2), "") << "an empty entry clears the clipboard's text";

    project.Inputs[1].SmsPhone = 1;
    PhoneBookPaste(project, 2, "Tel. +7 900 12");
    EXPECT_FALSE(project.Phones[2].Empty);
    EXPECT_EQ(project.Phones[2].Number, "790012") << "a plus sign after the first character is dropped";
    PhoneBookPaste(project, 1, "call me");
    EXPECT_TRUE(project.Phones[1].Empty);
    EXPECT_EQ(project.Inputs[1].SmsPhone, 1) << "pasting moves no reference";
}

} // namespace
} // namespace korvisel
