// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ProjectProblems.h"

#include "../core/PhoneTestSupport.h"
#include "i18n/IniFile.h"
#include "i18n/LanguageFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace korvisel {
namespace {

TTreeNodeData InputNode(TNodeKind kind, int input) {
    return {kind, input, 0};
}

TEST(ProjectProblems, EveryFindingKindGoesToTheControlThatFixesIt) {
    const struct {
        TCheckSubject subject;
        TTreeNodeData node;
        std::string control;
    } cases[] = {
        {TCheckSubject::PhoneBook, {nkPhones, 0, 0}, "VirtualDrawTree4"},
        {TCheckSubject::InputAlarmPhone, InputNode(nkInputAlarm, 3), "ALARMPhoneCBox"},
        {TCheckSubject::InputSmsPhone, InputNode(nkInputSms, 3), "SMSPhoneCBox"},
        {TCheckSubject::InputClipEventPhone, InputNode(nkInputClip, 3), "VirtualDrawTree3"},
        {TCheckSubject::InputClipRestorePhone, InputNode(nkInputClip, 3), "VirtualDrawTree3"},
        {TCheckSubject::InputDataPhone, InputNode(nkInputData, 3), "DATAPhoneCBox"},
        {TCheckSubject::GsmSmsPhone, {nkGsmSms, 0, 0}, "GSMSMSComboBox"},
        {TCheckSubject::TestSmsPhone, {nkTestSms, 0, 0}, "PerSMSPhCBox"},
        {TCheckSubject::TestClipEventPhone, {nkTestClip, 0, 0}, "VirtualDrawTree5"},
        {TCheckSubject::TestClipRestorePhone, {nkTestClip, 0, 0}, "VirtualDrawTree5"},
        {TCheckSubject::TestDataPhone, {nkTestData, 0, 0}, "PerDATAPhCBox"},
        {TCheckSubject::InputSmsEventText, InputNode(nkInputSms, 3), "Memo1"},
        {TCheckSubject::InputSmsRestoreText, InputNode(nkInputSms, 3), "Memo2"},
        // The shared phone's number is a phone, not an input.
        {TCheckSubject::SharedPhone, {nkPhones, 0, 0}, "VirtualDrawTree4"},
    };
    std::set<TCheckSubject> covered;
    for (const auto& c : cases) {
        const TProblemPlace place = FindingPlace({TFindingLevel::Error, c.subject, 3, "line"});
        EXPECT_EQ(place.Node, c.node) << static_cast<int>(c.subject);
        EXPECT_EQ(std::string(place.Control), c.control) << static_cast<int>(c.subject);
        EXPECT_EQ(place.Entry, c.subject == TCheckSubject::SharedPhone ? 3 : 0) << "the shared phone's entry";
        covered.insert(c.subject);
    }
    EXPECT_EQ(covered.size(), static_cast<std::size_t>(TCheckSubject::SharedPhone) + 1);
}

// Every node a problem names exists in the tree, so a double click always finds it.
TEST(ProjectProblems, EveryPlaceIsANodeOfTheTree) {
    TNavigationTree tree;
    tree.BuildNodeTree();
    for (std::uint8_t s = 0; s <= static_cast<std::uint8_t>(TCheckSubject::SharedPhone); ++s) {
        const TProblemPlace place =
            FindingPlace({TFindingLevel::Error, static_cast<TCheckSubject>(s), 4, ""});
        const std::optional<int> node = tree.Find(place.Node);
        ASSERT_TRUE(node) << static_cast<int>(s);
        EXPECT_EQ(tree.Node(*node).Data.Kind, place.Node.Kind);
        EXPECT_EQ(tree.Node(*node).Data.Input, place.Node.Input == 0 ? tree.Node(*node).Data.Input : 4);
    }
}

TProjectInfo Clean() {
    TProjectInfo p = test::WithPhones({1});
    return p;
}

TEST(ProjectProblems, TheCheckFindingsComeFirstInTheCheckOrder) {
    TProjectInfo p;
    p.Inputs[2].Enabled = true; // SMS with no phone and no texts
    p.GsmEnabled = true;
    p.Inputs[1].ReactionTime = 0;
    const std::vector<TProblem> problems = ProjectProblems(p);
    const TCheckReport report = CheckProject(p);
    ASSERT_EQ(problems.size(), report.Findings.size() + 1);
    const TLanguageTexts english = TLanguageTexts::BuiltInEnglish();
    for (std::size_t n = 0; n < report.Findings.size(); ++n)
        EXPECT_EQ(ProblemText(problems[n], english), report.Findings[n].Line);
    EXPECT_EQ(problems[0].Kind, TProblemKind::CheckError); // the empty phone book
    EXPECT_EQ(problems.back().Kind, TProblemKind::OutOfRange);
    EXPECT_TRUE(ProjectProblems(Clean()).empty());
}

// Every finding the check can report reads in English exactly as Errors.txt has it, and in the
// window's language in that language's words, with the same inputs, phones and numbers.
TEST(ProjectProblems, EveryFindingIsWordedInTheWindowsLanguage) {
    TLanguageTexts russian = TLanguageTexts::BuiltInEnglish();
    const auto file = TIniFile::Load(std::string(KORVISEL_SOURCE_DIR) + "/languages/Russian.ini");
    ASSERT_TRUE(file);
    LoadProgramSection(*file, russian);
    const TLanguageTexts english = TLanguageTexts::BuiltInEnglish();

    const auto withReports = [](TReportKind test, std::uint8_t phone) {
        TProjectInfo p = test::WithPhones({5});
        const TReportKind kinds[] = {TReportKind::Alarm, TReportKind::Sms, TReportKind::Clip,
                                     TReportKind::Data};
        for (std::size_t i = 1; i <= InputCount; ++i) {
            p.Inputs[i].Enabled = true;
            p.Inputs[i].ReportType = kinds[i - 1];
            p.Inputs[i].AlarmPhone = p.Inputs[i].SmsPhone = p.Inputs[i].ClipEventPhone =
                p.Inputs[i].ClipRestorePhone = p.Inputs[i].DataPhone = phone;
        }
        p.GsmEnabled = p.TestEnabled = true;
        p.GsmSmsPhone = p.TestSmsPhone = p.TestClipPhone1 = p.TestClipPhone2 = p.TestDataPhone = phone;
        p.TestReportType = test;
        return p;
    };
    TProjectInfo shared = test::WithPhones({5});
    shared.Inputs[1] = {};
    shared.Inputs[1].Enabled = true;
    shared.Inputs[1].ReportType = TReportKind::Alarm;
    shared.Inputs[1].AlarmPhone = 5;
    shared.Inputs[2].Enabled = true;
    shared.Inputs[2].ReportType = TReportKind::Clip;
    shared.Inputs[2].ClipEventPhone = shared.Inputs[2].ClipRestorePhone = 5;
    const TProjectInfo projects[] = {TProjectInfo{}, withReports(TReportKind::Sms, 0),
                                     withReports(TReportKind::Clip, 2), withReports(TReportKind::Data, 0),
                                     shared};

    std::set<TCheckSubject> subjects;
    for (const TProjectInfo& project : projects) {
        const std::vector<TProblem> problems = ProjectProblems(project);
        const TCheckReport report = CheckProject(project);
        for (std::size_t n = 0; n < report.Findings.size(); ++n) {
            const TCheckFinding& finding = report.Findings[n];
            subjects.insert(finding.Subject);
            EXPECT_EQ(ProblemText(problems[n], english), finding.Line);
            const std::string worded = ProblemText(problems[n], russian);
            EXPECT_EQ(worded.find("ERROR"), std::string::npos) << worded;
            EXPECT_EQ(worded.find("WARNING"), std::string::npos) << worded;
            EXPECT_EQ(worded.find("Input"), std::string::npos) << worded;
            if (finding.Number != 0) {
                EXPECT_NE(worded.find(std::to_string(finding.Number)), std::string::npos) << worded;
            }
        }
    }
    EXPECT_EQ(subjects.size(), static_cast<std::size_t>(TCheckSubject::SharedPhone) + 1)
        << "every subject seen";
}

TEST(ProjectProblems, ValuesOutsideTheEditorsRanges) {
    const struct {
        const char* what;
        std::function<void(TProjectInfo&)> change;
        TProblemKind kind;
        TTreeNodeData node;
        std::string control;
        std::string value, low, high;
    } cases[] = {
        {"no reaction time", [](TProjectInfo& p) { p.Inputs[2].ReactionTime = 0; }, TProblemKind::OutOfRange,
         InputNode(nkInputTime, 2), "EditReactinTime1", "0.0", "0.5", "127.5"},
        {"no lockout time", [](TProjectInfo& p) { p.Inputs[4].LockoutTime = 0; }, TProblemKind::OutOfRange,
         InputNode(nkInputTime, 4), "EditLockoutTime1", "0.0", "0.5", "127.5"},
        {"ALARM phone beyond the book",
         [](TProjectInfo& p) {
             p.Inputs[1].ReportType = TReportKind::Alarm;
             p.Inputs[1].AlarmPhone = 12;
         },
         TProblemKind::OutOfRange, InputNode(nkInputAlarm, 1), "ALARMPhoneCBox", "12", "0", "9"},
        {"a phone of another report kind is not the device's",
         [](TProjectInfo& p) {
             p.Inputs[1].ReportType = TReportKind::Sms;
             p.Inputs[1].SmsPhone = 1;
             p.Inputs[1].AlarmPhone = 12;
         },
         TProblemKind::OutOfRange,
         {},
         "",
         "",
         "",
         ""},
        {"CLIP restore phone",
         [](TProjectInfo& p) {
             p.Inputs[3].ReportType = TReportKind::Clip;
             p.Inputs[3].ClipRestorePhone = 15;
         },
         TProblemKind::OutOfRange, InputNode(nkInputClip, 3), "VirtualDrawTree3", "15", "0", "9"},
        {"SMS text with a tab", [](TProjectInfo& p) { p.Inputs[1].SmsRestoreText = "A\tB"; },
         TProblemKind::SmsCharacters, InputNode(nkInputSms, 1), "Memo2", "", "", ""},
        {"output query text",
         [](TProjectInfo& p) { p.Outputs[2].QueryText = "\x01"; },
         TProblemKind::SmsCharacters,
         {nkOutputControlSms, 0, 2},
         "Memo5",
         "",
         "",
         ""},
        {"output answer phone",
         [](TProjectInfo& p) { p.Outputs[3].AnswerPhone = 10; },
         TProblemKind::OutOfRange,
         {nkOutputAnswerSms, 0, 3},
         "AnswerCBox",
         "10",
         "0",
         "9"},
        {"31 test days",
         [](TProjectInfo& p) { p.TestDays = 31; },
         TProblemKind::OutOfRange,
         {nkTestTime, 0, 0},
         "TestComboBox1",
         "31",
         "0",
         "30"},
        {"test minutes in tens",
         [](TProjectInfo& p) { p.TestMinutes = 6; },
         TProblemKind::OutOfRange,
         {nkTestTime, 0, 0},
         "TestComboBox3",
         "60",
         "0",
         "50"},
        {"zero test period",
         [](TProjectInfo& p) {
             p.TestDays = 0;
             p.TestHours = 0;
             p.TestMinutes = 0;
         },
         TProblemKind::ZeroTestPeriod,
         {nkTestTime, 0, 0},
         "TestComboBox3",
         "",
         "",
         ""},
        {"test DATA phone",
         [](TProjectInfo& p) {
             p.TestReportType = TReportKind::Data;
             p.TestDataPhone = 11;
         },
         TProblemKind::OutOfRange,
         {nkTestData, 0, 0},
         "PerDATAPhCBox",
         "11",
         "0",
         "9"},
        {"GSM restore text",
         [](TProjectInfo& p) { p.GsmRestoreText = "\x7f"; },
         TProblemKind::SmsCharacters,
         {nkGsmSms, 0, 0},
         "Memo9",
         "",
         "",
         ""},
        {"phone number with an inner plus",
         [](TProjectInfo& p) { p.Phones[1].Number = "55+5"; },
         TProblemKind::InnerPlus,
         {nkPhones, 0, 0},
         "VirtualDrawTree4",
         "",
         "",
         ""},
        {"a leading plus is fine",
         [](TProjectInfo& p) { p.Phones[1].Number = "+3705"; },
         TProblemKind::InnerPlus,
         {},
         "",
         "",
         "",
         ""},
        {"PIN with a minus",
         [](TProjectInfo& p) {
             p.Pin = {'1', '-', '3', '4'};
         },
         TProblemKind::PinCharacters,
         {nkPin, 0, 0},
         "EditPin",
         "",
         "",
         ""},
        {"SMS centre",
         [](TProjectInfo& p) { p.SmsCentre = "1+"; },
         TProblemKind::InnerPlus,
         {nkSmsCentre, 0, 0},
         "EditSMSCentre",
         "",
         "",
         ""},
        {"CROW phone, a whole byte",
         [](TProjectInfo& p) { p.CrowPhone = 200; },
         TProblemKind::OutOfRange,
         {nkCrow, 0, 0},
         "CrowPhonCB",
         "200",
         "0",
         "9"},
        {"fourth audio parameter",
         [](TProjectInfo& p) { p.AudioParams[4] = 0; },
         TProblemKind::OutOfRange,
         {nkInfo, 0, 0},
         "EditLetNum4",
         "0",
         "1",
         "9"},
    };
    for (const auto& c : cases) {
        TProjectInfo p = Clean();
        c.change(p);
        const std::vector<TProblem> problems = ProjectProblems(p);
        if (c.control.empty()) {
            EXPECT_TRUE(problems.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(problems.size(), 1u) << c.what;
        const TProblem& found = problems[0];
        EXPECT_EQ(found.Kind, c.kind) << c.what;
        EXPECT_EQ(found.Place.Node, c.node) << c.what;
        EXPECT_EQ(std::string(found.Place.Control), c.control) << c.what;
        EXPECT_EQ(found.Place.AudioDialog, c.node.Kind == nkInfo) << c.what;
        EXPECT_EQ(found.Value, c.value) << c.what;
        EXPECT_EQ(found.Low, c.low) << c.what;
        EXPECT_EQ(found.High, c.high) << c.what;
    }
}

TEST(ProjectProblems, AnEditThatFixesAProblemRemovesItsRow) {
    TProjectInfo p = Clean();
    p.Inputs[2].Enabled = true;
    p.Inputs[2].ReportType = TReportKind::Alarm;
    p.Inputs[2].AlarmPhone = 3; // an empty entry
    ASSERT_EQ(ProjectProblems(p).size(), 1u);
    test::ScriptedPhoneDialog dialog;
    dialog.answers.push_back("5550003");
    EditPhoneEntry(p, dialog, 3, true);
    EXPECT_TRUE(ProjectProblems(p).empty());
}

TEST(ProjectProblems, RowsInTheCurrentLanguage) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    const auto text = [&](std::function<void(TProjectInfo&)> change) {
        TProjectInfo p = Clean();
        change(p);
        const std::vector<TProblem> problems = ProjectProblems(p);
        return problems.empty() ? std::string("(none)") : ProblemText(problems.front(), texts);
    };
    EXPECT_EQ(text([](TProjectInfo& p) { p.Phones[1].Empty = true; }), "ERROR : Phone count = 0");
    EXPECT_EQ(text([](TProjectInfo& p) { p.TestDays = 40; }),
              "Time Cicle test - Day(s): 40 is outside what this program sets (0 to 30); kept as it is");
    EXPECT_EQ(text([](TProjectInfo& p) { p.Phones[1].Number = "5+5"; }),
              "Phone numbers 1: the number has a + after its first character");
    EXPECT_EQ(text([](TProjectInfo& p) { p.Inputs[2].SmsPhone = 12; }),
              "SMS Input 2 - User Phone: 12 is outside what this program sets (0 to 9); kept as it is")
        << "a page of several settings names the one meant";
    EXPECT_EQ(text([](TProjectInfo& p) { p.AudioParams[2] = 7; }),
              "Audio parameter 2: 7 is outside what this program sets (0 to 4); kept as it is");
    EXPECT_EQ(ProblemCountText(0, texts), "No problems");
    EXPECT_EQ(ProblemCountText(1, texts), "1 problem");
    EXPECT_EQ(ProblemCountText(12, texts), "12 problems");
}

} // namespace
} // namespace korvisel
