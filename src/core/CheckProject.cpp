// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CheckProject.h"

namespace korvisel {
namespace {

// A phone index outside the book (possible in an image this program did not write) names no number.
bool PhoneIsEmpty(const TProjectInfo& project, std::uint8_t k) {
    return !project.Phones.Contains(k) || project.Phones[k].Empty;
}

class ReportBuilder {
public:
    explicit ReportBuilder(const TProjectInfo& project) : project_(project) {}

    TCheckReport Build() {
        CheckPhoneBook();
        for (std::size_t i = 1; i <= InputCount; ++i)
            CheckInputPhones(i);
        CheckTestPhones();
        if (report_.Errors > 0)
            report_.Lines.emplace_back();
        for (std::size_t i = 1; i <= InputCount; ++i)
            CheckSmsTexts(i);
        for (std::size_t k = 1; k <= PhoneCount; ++k)
            CheckSharedPhone(k);
        if (report_.HasFindings()) {
            report_.Lines.emplace_back();
            report_.Lines.emplace_back();
            report_.Lines.push_back("WARNINGS : " + std::to_string(report_.Warnings));
            report_.Lines.push_back("ERRORS   : " + std::to_string(report_.Errors));
        }
        return report_;
    }

private:
    void Add(TFindingLevel level, TCheckSubject subject, std::size_t number, std::string line,
             std::uint8_t phone = 0) {
        report_.Lines.push_back(line);
        report_.Findings.push_back(
            {level, subject, static_cast<std::uint8_t>(number), std::move(line), phone});
    }
    void Error(TCheckSubject subject, std::size_t number, std::string line, std::uint8_t phone = 0) {
        Add(TFindingLevel::Error, subject, number, std::move(line), phone);
        ++report_.Errors;
    }
    void Warning(TCheckSubject subject, std::size_t number, std::string line) {
        Add(TFindingLevel::Warning, subject, number, std::move(line));
        ++report_.Warnings;
    }

    void CheckPhoneBook() {
        for (const TPhoneInfo& phone : project_.Phones)
            if (!phone.Empty)
                return;
        Error(TCheckSubject::PhoneBook, 0, "ERROR : Phone count = 0");
        report_.Result = TCheckResult::BlocksWrite;
    }

    void CheckPhone(std::size_t i, TCheckSubject subject, const std::string& what, std::uint8_t phone) {
        CheckReportPhone(subject, i, "Input " + std::to_string(i), what, phone);
    }

    // Pages show a reference that names no phone as it is and never fill it in, so the check is
    // where the user learns of it.
    void CheckReportPhone(TCheckSubject subject, std::size_t number, const std::string& source,
                          const std::string& what, std::uint8_t phone) {
        const std::string prefix = "ERROR : " + source + " Report: " + what;
        if (phone == 0)
            Error(subject, number, prefix + " Index: 0");
        else if (PhoneIsEmpty(project_, phone))
            Error(subject, number, prefix + " EMPTY", phone);
    }

    void CheckInputPhones(std::size_t i) {
        const TInputInfo& in = project_.Inputs[i];
        if (!in.Enabled)
            return;
        switch (in.ReportType) {
        case TReportKind::Alarm:
            CheckPhone(i, TCheckSubject::InputAlarmPhone, "ALARM; Phone", in.AlarmPhone);
            break;
        case TReportKind::Sms:
            CheckPhone(i, TCheckSubject::InputSmsPhone, "SMS; Phone", in.SmsPhone);
            break;
        case TReportKind::Clip:
            CheckPhone(i, TCheckSubject::InputClipEventPhone, "CLIP; Event Phone", in.ClipEventPhone);
            CheckPhone(i, TCheckSubject::InputClipRestorePhone, "CLIP; Restore Phone", in.ClipRestorePhone);
            break;
        case TReportKind::Data:
            CheckPhone(i, TCheckSubject::InputDataPhone, "DATA; Phone", in.DataPhone);
            break;
        default:
            break;
        }
    }

    void CheckTestPhones() {
        if (project_.GsmEnabled)
            CheckReportPhone(TCheckSubject::GsmSmsPhone, 0, "GSM Supervision", "SMS; Phone",
                             project_.GsmSmsPhone);
        if (!project_.TestEnabled)
            return;
        switch (project_.TestReportType) {
        case TReportKind::Clip:
            CheckReportPhone(TCheckSubject::TestClipEventPhone, 0, "Periodic Test", "CLIP; Event Phone",
                             project_.TestClipPhone1);
            CheckReportPhone(TCheckSubject::TestClipRestorePhone, 0, "Periodic Test", "CLIP; Restore Phone",
                             project_.TestClipPhone2);
            break;
        case TReportKind::Data:
            CheckReportPhone(TCheckSubject::TestDataPhone, 0, "Periodic Test", "DATA; Phone",
                             project_.TestDataPhone);
            break;
        default:
            CheckReportPhone(TCheckSubject::TestSmsPhone, 0, "Periodic Test", "SMS; Phone",
                             project_.TestSmsPhone);
            break;
        }
    }

    void CheckSmsTexts(std::size_t i) {
        const TInputInfo& in = project_.Inputs[i];
        if (!in.Enabled || in.ReportType != TReportKind::Sms)
            return;
        const std::string prefix = "WARNING : Input " + std::to_string(i) + " Report: SMS; ";
        if (in.SmsEventText.empty())
            Warning(TCheckSubject::InputSmsEventText, i, prefix + "Event Message EMPTY");
        if (in.SmsRestoreText.empty())
            Warning(TCheckSubject::InputSmsRestoreText, i, prefix + "Restore Message EMPTY");
    }

    void CheckSharedPhone(std::size_t k) {
        bool sms = false, alarm = false, clip = false;
        for (const TInputInfo& in : project_.Inputs) {
            if (!in.Enabled)
                continue;
            sms |= in.ReportType == TReportKind::Sms && in.SmsPhone == k;
            alarm |= in.ReportType == TReportKind::Alarm && in.AlarmPhone == k;
            clip |=
                in.ReportType == TReportKind::Clip && (in.ClipEventPhone == k || in.ClipRestorePhone == k);
        }
        if (alarm && clip && !sms)
            Add(TFindingLevel::Note, TCheckSubject::SharedPhone, k,
                "WARNING : Phone " + std::to_string(k) + " -  " + project_.Phones[k].Number +
                    " Reports : ALARM & CLIP");
    }

    const TProjectInfo& project_;
    TCheckReport report_;
};

} // namespace

std::string TCheckReport::Text() const {
    std::string text;
    for (const std::string& line : Lines)
        text += line + "\r\n";
    return text;
}

TCheckReport CheckProject(const TProjectInfo& project) {
    return ReportBuilder(project).Build();
}

} // namespace korvisel
