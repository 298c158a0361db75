// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/Panels.h"
#include "markup/PrintInfoRows.h"

#include "markup/Markup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace korvisel {
namespace {

bool Contains(const TRows& rows, const std::string& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

std::size_t IndexOf(const TRows& rows, const std::string& row) {
    return static_cast<std::size_t>(std::find(rows.begin(), rows.end(), row) - rows.begin());
}

TEST(Panels, DefaultProjectSummary) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    TProjectInfo project;
    const TRows rows = ProjectSummaryRows(project, texts);
    const TRows head(rows.begin(), rows.begin() + 16);
    EXPECT_EQ(head, (TRows{
                        "/pm/ac/cb/z6/sbDevice settings",
                        "/d3",
                        "  /sb/z4 PIN code : /cr9481",
                        "/d3",
                        "/d9/i3/n6/p0/ic/i0/n1/p9/ie/pt",
                        "/al/sb/z4/ch  Input 1",
                        "/d5",
                        "/sb  Input Condition : /snTurning off",
                        "/d5",
                        "/sb  Signal :  /snNormal closed contact, activation is contact opens",
                        "/d9",
                        "/sb  Timer settings :",
                        "  /sb  Responce : /sn5,5 second/sn",
                        "  /sb  Restore     : /sn6,5 second/sn",
                        "  /sb  Lockout     : /sn7,5 second/sn",
                        "/d8",
                    }));
    EXPECT_TRUE(Contains(
        rows, "/i1/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/ae SMS /i4/n1/p0/ix/paNot Present /pa/i4/n1/p0/ix/"
              "pa/ae /ix/i-/pa"));
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "/sb  Confirmation of Arm : /sn Off"), 4);
    EXPECT_TRUE(Contains(rows, "/al/sb/z4/cm  Exit 1"));
    EXPECT_TRUE(Contains(rows, "/sb  Time of Output /sn: 5,0 second"));
    EXPECT_TRUE(Contains(rows, "/sb  SMS of Aswers/cn/ct"));
    EXPECT_EQ(rows.back(), "/d9/i4/n1/p0/ic/i0/n1/p9/ie/pt");
}

TEST(Panels, ArmConfirmationRowOnlyForSmsInputs) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    TProjectInfo project;
    project.Inputs[2].ReportType = TReportKind::Alarm;
    project.Inputs[3].ReportType = TReportKind::Data;
    project.ArmConfirmInput = 4;
    const TRows rows = ProjectSummaryRows(project, texts);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "/sb  Confirmation of Arm : /sn Off"), 1);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "/sb  Confirmation of Arm : /sn On"), 1);
}

TEST(Panels, InputReportTables) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    TProjectInfo project;
    project.Inputs[1].ReportType = TReportKind::Clip;
    project.Inputs[2].ReportType = TReportKind::Data;
    project.Inputs[2].DataPhone = 1;
    project.Phones[1] = {"5550001", "", false};
    project.Inputs[2].Cid.SetSymbols({'1', '2', '0', '5', '6', '0', '2', '0', '0', '3', '0', '1'});
    project.Inputs[3].SmsEventText = "ON/OFF";

    const TRows clip = InputSummaryRows(project, 1, texts);
    EXPECT_EQ(clip.front(), "/ac/sb/z4/cn/ctInput 1");
    EXPECT_EQ(std::count_if(clip.begin(), clip.end(),
                            [](const std::string& r) { return r.find("Not Present") != std::string::npos; }),
              2);

    const TRows data = InputSummaryRows(project, 2, texts);
    EXPECT_TRUE(Contains(
        data, "/i1/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/ae DATA /i4/n1/p0/ix/pa5550001 /pa/i4/n1/p0/ix/pa/"
              "ae /ix/i-/pa"));
    const std::size_t cid = IndexOf(data, "/sb DATA settings");
    ASSERT_LT(cid + 7, data.size());
    EXPECT_EQ(data[cid + 3], "/i1/n5/p0/ic/i0/n2/p0/ie/pr/i+/pr/al  Object/i3/n6/p0/ix/pr/sb  1205/ix/i-/pr");
    EXPECT_EQ(data[cid + 4], "/i1/n5/p0/ic/i0/n2/p0/ie/pa/i+/pk/al  Code/i3/n6/p0/ix/pa/sb  602/ix/i-/pa");
    EXPECT_EQ(data[cid + 5], "/i1/n5/p0/ic/i0/n2/p0/ie/pa/i+/pk/al  Zone/i3/n6/p0/ix/pa/sb  003/ix/i-/pa");
    EXPECT_EQ(data[cid + 6],
              "/i1/n5/p0/ic/i0/n2/p0/ie/pa/i+/pk/al  Partition/i3/n6/p0/ix/pa/sb  01/ix/i-/pa");

    const TRows sms = InputSummaryRows(project, 3, texts);
    EXPECT_TRUE(Contains(sms, "/i2/n0/p5/ic/i0/n2/p0/ie/pd/i+/pd/al ON//OFF/i4/n1/p0/ix/pd /ix/i-/pd"))
        << "a typed slash is shown, not taken for a code";
    EXPECT_TRUE(InputSummaryRows(project, 5, texts).empty());
}

TEST(Panels, AContactIdCodeIsExplainedUnderItsTableInTheInterfaceLanguage) {
    TLanguageTexts russian = TLanguageTexts::BuiltInEnglish();
    for (std::size_t n = 0; n < BuiltInTextCount; ++n)
        russian.SetTextAt(n, "Код");
    struct Case {
        std::array<char, 3> Code;
        const TLanguageTexts* Texts;
        std::string Row; // empty: no row after the table
    };
    const TLanguageTexts english = TLanguageTexts::BuiltInEnglish();
    for (const Case& c : {
             Case{{'6', '0', '2'}, &english, "  Code 602: Periodic test report"},
             Case{{'1', '3', '0'}, &russian, "  Код 130: Проникновение"},
             Case{{'9', '9', '9'}, &english, ""},
             Case{{'A', '*', '#'}, &english, ""},
         }) {
        TProjectInfo project;
        project.Inputs[2].ReportType = TReportKind::Data;
        project.Inputs[2].Cid.Code = c.Code;
        project.TestEnabled = true; // else the rows are dimmed
        project.TestReportType = TReportKind::Data;
        project.TestCid.Code = c.Code;
        for (const TRows& rows :
             {InputSummaryRows(project, 2, *c.Texts), TestBlockSummaryRows(project, *c.Texts)}) {
            const std::size_t bottom = IndexOf(rows, "/d9/i3/n6/p0/ic/i0/n1/p9/ie/pt");
            ASSERT_LT(bottom, rows.size());
            const bool explained =
                bottom + 1 < rows.size() && rows[bottom + 1].find(": ") != std::string::npos;
            EXPECT_EQ(explained ? rows[bottom + 1] : "", c.Row) << std::string(c.Code.begin(), c.Code.end());
        }
    }
}

TEST(Panels, DisabledSupervisionIsGrayAndThePeriodicTestBlackAgain) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    TProjectInfo project;
    project.TestEnabled = true;
    const TRows rows = TestBlockSummaryRows(project, texts);
    EXPECT_TRUE(Contains(rows, "/sb/cd  State of GSM Monitor : /snTurning off"));
    EXPECT_TRUE(Contains(rows, "/sb/cd  SMS Text/cd/ct"));
    const std::size_t heading = IndexOf(rows, "/al/sb/z2/ch  Test report");
    ASSERT_LT(heading, rows.size());
    EXPECT_EQ(rows[heading + 2], "/sb/cn  State of Periodic test : /snTurning on");

    const std::vector<TRgb> pens = StartPenColors(rows, 0x000000);
    EXPECT_EQ(pens[IndexOf(rows, "/cd/d9/i4/n1/p0/ic/i0/n2/p0/ie/pb")], 0x808080u) << "gray table lines";
    EXPECT_EQ(pens.back(), 0x000000u) << "the periodic test's lines are black again";
}

TEST(Panels, DisabledPeriodicTestRows) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    TProjectInfo project;
    project.TestReportType = TReportKind::Clip;
    project.TestClipPhone1 = 0;
    TRows rows = TestBlockSummaryRows(project, texts);
    EXPECT_EQ(rows.back(), "/d9/i4/n1/p0/ic/i0/n2/p0/ie/pt");
    EXPECT_EQ(rows[rows.size() - 2], "/cd/i1/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/aeCLIP/i4/n1/p0/ix/pa    EVENT "
                                     "= Not Present /pa/i4/n1/p0/ix/"
                                     "pa/ae /ix/i-/pa");
    project.TestReportType = TReportKind{7};
    rows = TestBlockSummaryRows(project, texts);
    EXPECT_EQ(project.TestReportType, TReportKind{7})
        << "an unknown type is shown as SMS, and a summary never writes it";
    EXPECT_TRUE(Contains(rows, "/sb/cd  SMS Text"));
    EXPECT_TRUE(Contains(rows, "/i4/n1/p0/ic/i0/n2/p0/ie/pa/i+/pa/al   /ix/i-/pa"));
    EXPECT_TRUE(Contains(rows, "/cd/i4/n1/p0/ic/i0/n2/p0/ie/pr/i+/pr/aeEvent Message/ix/i-/pr"));
}

TEST(Panels, TestPeriod) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    struct Case {
        int d, h, m;
        std::string text;
    } cases[] = {
        {0, 0, 0, "10 Minut"},
        {0, 0, 3, "30 Minut"},
        {0, 5, 0, "5 Hours"},
        {0, 5, 2, "5 Hours 20 Minut"},
        {1, 0, 0, "1 Day "},
        {2, 0, 1, "2 Days(0 Week 2 Days) 10 Minut"},
        {7, 1, 5, "7 Days(1 Week 0 Days) 1 Hour 50 Minut"},
        {30, 23, 0, "30 Days(4 Weeks 2 Days) 23 Hours "},
        // Stored values the lists cannot show are shown as stored, never as other values.
        {45, 0, 1, "45 Days 10 Minut"},
        {200, 99, 77, "200 Days 99 Hours 770 Minut"},
        {0, 24, 0, "24 Hours"},
    };
    for (const Case& c : cases) {
        TProjectInfo project;
        project.TestDays = static_cast<std::uint8_t>(c.d);
        project.TestHours = static_cast<std::uint8_t>(c.h);
        project.TestMinutes = static_cast<std::uint8_t>(c.m);
        EXPECT_EQ(TestPeriodText(project, texts), c.text) << c.d << "/" << c.h << "/" << c.m;
    }
    TProjectInfo zero;
    zero.TestMinutes = 0;
    const TRows rows = PeriodicTestRows(zero, texts);
    EXPECT_EQ(rows[2], "/sb  Time Cicle test: /sn10 Minut");
    EXPECT_EQ(zero.TestMinutes, 0) << "shown as ten minutes, never written";
}

TEST(Panels, OutputsGsmAndPrintInformation) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    TProjectInfo project;
    project.Outputs[2].Time = 11;
    project.Outputs[2].ControlPhone = 3;
    const TRows output = OutputSummaryRows(project, 2, texts);
    EXPECT_EQ(output[0], "/ac/sb/z4/cn/ct  Exit 2");
    EXPECT_EQ(output[6], "/sb  Time of Output /sn: 5,5 second");
    EXPECT_EQ(output[11], "/i2/n4/p0/ic/i0/n2/p0/ie/pk/pr/i+/pr/ae3/pr/i4/n1/p0/ix/pr/aeControl/ix/i-/pr");
    EXPECT_EQ(output[12],
              "/i2/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/aeNot Present/pa/i4/n1/p0/ix/pa/aeAnswer/ix/i-/pa");
    EXPECT_EQ(output.size(), 26u);

    project.GsmLevel = 9;
    const TRows gsm = GsmSupervisionRows(project, texts);
    EXPECT_EQ(gsm[4], "/sb  Signal level for report: /snLevel 1");
    EXPECT_EQ(gsm[7], "  /sb  Responce : /sn20 second/sn");
    EXPECT_EQ(gsm[8], "  /sb  Lockout     : /sn 60 second /sn");

    TDopPrintInfo print;
    print.Comment = "first\rsecond\rthird\r";
    print.PowerSupply = {PowerKind::Other, ""};
    const TRows info = PrintInfoRows(print, texts);
    EXPECT_EQ(info[4], "    _______________________________");
    EXPECT_EQ(info[12], "    _____________");
    const TRows comment(info.end() - 4, info.end() - 1);
    EXPECT_EQ(comment, (TRows{"    first", "    second", "    third"}));
    EXPECT_EQ(CommentLines("first\rsecond\rthird\r"), (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(CommentLines("one\rrest"), (std::vector<std::string>{"one", "rest"}));
    EXPECT_EQ(CommentLines(""), (std::vector<std::string>{""}));
}

TEST(Panels, InputCheckBoxes) {
    TProjectInfo project;
    project.Inputs[2].Enabled = true;
    struct Case {
        int arm, n;
        bool enabled, checked;
    } cases[] = {{0, 1, true, false},
                 {2, 2, true, true},
                 {2, 1, false, false},
                 {0, 4, false, false},
                 {4, 4, false, false}};
    for (const Case& c : cases) {
        project.ArmConfirmInput = static_cast<std::uint8_t>(c.arm);
        const TInputChecks checks = InputSummaryChecks(project, c.n);
        EXPECT_EQ(checks.ArmEnabled, c.enabled) << c.arm << "/" << c.n;
        EXPECT_EQ(checks.ArmChecked, c.checked) << c.arm << "/" << c.n;
        EXPECT_EQ(checks.InputChecked, c.n == 2);
    }
}

} // namespace
} // namespace korvisel
