// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CheckProject.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvisel {
namespace {

using Lines = std::vector<std::string>;

TProjectInfo WithPhone(std::size_t k, const std::string& number) {
    TProjectInfo p;
    p.Phones[k] = {number, "", false};
    return p;
}

TEST(BuildCheckReport, FindingsAndSummary) {
    struct Case {
        const char* what;
        std::function<TProjectInfo()> project;
        Lines lines;
        TCheckResult result;
    } cases[] = {
        {"default project",
         [] { return TProjectInfo{}; },
         {"ERROR : Phone count = 0", "", "", "", "WARNINGS : 0", "ERRORS   : 1"},
         TCheckResult::BlocksWrite},
        {"one phone, inputs off", [] { return WithPhone(5, "111"); }, {}, TCheckResult::WriteAllowed},
        {"SMS input without phone or texts",
         [] {
             TProjectInfo p = WithPhone(1, "111");
             p.Inputs[2].Enabled = true;
             return p;
         },
         {"ERROR : Input 2 Report: SMS; Phone Index: 0", "",
          "WARNING : Input 2 Report: SMS; Event Message EMPTY",
          "WARNING : Input 2 Report: SMS; Restore Message EMPTY", "", "", "WARNINGS : 2", "ERRORS   : 1"},
         TCheckResult::WriteAllowed},
        {"CLIP input with only its restore phone",
         [] {
             TProjectInfo p = WithPhone(1, "111");
             p.Inputs[3].Enabled = true;
             p.Inputs[3].ReportType = TReportKind::Clip;
             p.Inputs[3].ClipRestorePhone = 1;
             return p;
         },
         {"ERROR : Input 3 Report: CLIP; Event Phone Index: 0", "", "", "", "WARNINGS : 0", "ERRORS   : 1"},
         TCheckResult::WriteAllowed},
        {"DATA input, GSM supervision and periodic test without phones",
         [] {
             TProjectInfo p = WithPhone(1, "111");
             p.Inputs[2].Enabled = true;
             p.Inputs[2].ReportType = TReportKind::Data;
             p.GsmEnabled = true;
             p.TestEnabled = true;
             p.TestReportType = TReportKind::Clip;
             p.TestClipPhone1 = 1;
             p.TestClipPhone2 = 3;
             return p;
         },
         {"ERROR : Input 2 Report: DATA; Phone Index: 0",
          "ERROR : GSM Supervision Report: SMS; Phone Index: 0",
          "ERROR : Periodic Test Report: CLIP; Restore Phone EMPTY", "", "", "", "WARNINGS : 0",
          "ERRORS   : 3"},
         TCheckResult::WriteAllowed},
        {"ALARM and CLIP phones pointing at empty entries",
         [] {
             TProjectInfo p = WithPhone(1, "111");
             p.Inputs[1].Enabled = true;
             p.Inputs[1].ReportType = TReportKind::Alarm;
             p.Inputs[1].AlarmPhone = 4;
             p.Inputs[4].Enabled = true;
             p.Inputs[4].ReportType = TReportKind::Clip;
             p.Inputs[4].ClipEventPhone = 2;
             p.Inputs[4].ClipRestorePhone = 12; // from a foreign image: no such entry
             return p;
         },
         {"ERROR : Input 1 Report: ALARM; Phone EMPTY", "ERROR : Input 4 Report: CLIP; Event Phone EMPTY",
          "ERROR : Input 4 Report: CLIP; Restore Phone EMPTY", "", "", "", "WARNINGS : 0", "ERRORS   : 3"},
         TCheckResult::WriteAllowed},
        {"phone shared by ALARM and CLIP only",
         [] {
             TProjectInfo p = WithPhone(2, "5550002");
             p.Inputs[1].Enabled = true;
             p.Inputs[1].ReportType = TReportKind::Alarm;
             p.Inputs[1].AlarmPhone = 2;
             p.Inputs[2].Enabled = true;
             p.Inputs[2].ReportType = TReportKind::Clip;
             p.Inputs[2].ClipEventPhone = 2;
             p.Inputs[2].ClipRestorePhone = 2;
             return p;
         },
         {"WARNING : Phone 2 -  5550002 Reports : ALARM & CLIP"},
         TCheckResult::WriteAllowed},
        {"shared phone also used for SMS, disabled and DATA inputs",
         [] {
             TProjectInfo p = WithPhone(2, "5550002");
             for (std::size_t i = 1; i <= 4; ++i) {
                 TInputInfo& in = p.Inputs[i];
                 in.Enabled = i != 4;
                 in.ReportType = static_cast<TReportKind>(i); // ALARM, SMS, CLIP, DATA
                 in.SmsPhone = in.AlarmPhone = in.ClipEventPhone = in.ClipRestorePhone = in.DataPhone = 2;
                 in.SmsEventText = in.SmsRestoreText = "X";
             }
             return p;
         },
         {},
         TCheckResult::WriteAllowed},
    };
    for (const Case& c : cases) {
        const TCheckReport report = CheckProject(c.project());
        EXPECT_EQ(report.Lines, c.lines) << c.what;
        EXPECT_EQ(report.Result, c.result) << c.what;
        // The findings are the report's lines without the blank lines and the counts.
        Lines findings;
        for (const TCheckFinding& f : report.Findings)
            findings.push_back(f.Line);
        Lines named;
        for (const std::string& line : c.lines)
            if (!line.empty() && !line.starts_with("WARNINGS :") && !line.starts_with("ERRORS   :"))
                named.push_back(line);
        EXPECT_EQ(findings, named) << c.what;
    }
}

TEST(CheckProject, ReportTextEndsEveryLineWithCrLf) {
    EXPECT_EQ(CheckProject(TProjectInfo{}).Text(),
              "ERROR : Phone count = 0\r\n\r\n\r\n\r\nWARNINGS : 0\r\nERRORS   : 1\r\n");
}

} // namespace
} // namespace korvisel
