// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ProjectProblems.h"

#include "core/SmsText.h"
#include "editor/HalfSecondTime.h"
#include "fields/SettableRanges.h"

#include <algorithm>

namespace korvisel {
namespace {

struct TSubjectPlace {
    TCheckSubject Subject;
    TNodeKind Kind;
    const char* Control;
    TTextKey Field;
    bool OfInput; // the finding's number is the node's input
};

// The controls are the ones that choose the phone or take the text the finding names.
constexpr TSubjectPlace SubjectPlaces[] = {
    {TCheckSubject::PhoneBook, nkPhones, "VirtualDrawTree4", nullptr, false},
    {TCheckSubject::InputAlarmPhone, nkInputAlarm, "ALARMPhoneCBox", nullptr, true},
    {TCheckSubject::InputSmsPhone, nkInputSms, "SMSPhoneCBox", nullptr, true},
    {TCheckSubject::InputClipEventPhone, nkInputClip, "VirtualDrawTree3", nullptr, true},
    {TCheckSubject::InputClipRestorePhone, nkInputClip, "VirtualDrawTree3", nullptr, true},
    {TCheckSubject::InputDataPhone, nkInputData, "DATAPhoneCBox", nullptr, true},
    {TCheckSubject::GsmSmsPhone, nkGsmSms, "GSMSMSComboBox", nullptr, false},
    {TCheckSubject::TestSmsPhone, nkTestSms, "PerSMSPhCBox", nullptr, false},
    {TCheckSubject::TestClipEventPhone, nkTestClip, "VirtualDrawTree5", nullptr, false},
    {TCheckSubject::TestClipRestorePhone, nkTestClip, "VirtualDrawTree5", nullptr, false},
    {TCheckSubject::TestDataPhone, nkTestData, "PerDATAPhCBox", nullptr, false},
    {TCheckSubject::InputSmsEventText, nkInputSms, "Memo1", "SMS_REP_EVEN", true},
    {TCheckSubject::InputSmsRestoreText, nkInputSms, "Memo2", "SMS_REP_REST", true},
    {TCheckSubject::SharedPhone, nkPhones, "VirtualDrawTree4", nullptr, false},
};

TProblemKind KindOf(TFindingLevel level) {
    switch (level) {
    case TFindingLevel::Warning:
        return TProblemKind::CheckWarning;
    case TFindingLevel::Note:
        return TProblemKind::CheckNote;
    default:
        return TProblemKind::CheckError;
    }
}

// Where a finding about `subject` is fixed; `number` is its input, or the shared phone's entry.
TProblemPlace SubjectPlace(TCheckSubject subject, std::size_t number = 0) {
    for (const TSubjectPlace& s : SubjectPlaces)
        if (s.Subject == subject) {
            TProblemPlace place{
                {s.Kind, s.OfInput ? static_cast<std::int32_t>(number) : 0, 0}, s.Control, s.Field};
            if (subject == TCheckSubject::SharedPhone)
                place.Entry = static_cast<std::uint8_t>(number);
            return place;
        }
    return {{nkInfo, 0, 0}, ""};
}

TProblemPlace InputPlace(TNodeKind kind, std::size_t input, const char* control, TTextKey field) {
    return {{kind, static_cast<std::int32_t>(input), 0}, control, field};
}

TProblemPlace OutputPlace(TNodeKind kind, std::size_t output, const char* control, TTextKey field) {
    return {{kind, 0, static_cast<std::int32_t>(output)}, control, field};
}

TProblemPlace Place(TNodeKind kind, const char* control, TTextKey field = nullptr) {
    return {{kind, 0, 0}, control, field};
}

// The values a file can hold that no page would set: the inputs, the outputs, the tests, the phone
// book and the rest, as a reader of the project would meet them.
class OffRangeScan {
public:
    explicit OffRangeScan(std::vector<TProblem>& out) : out_(out) {}

    void Range(long long value, TSettableRange range, TProblemPlace place) {
        if (!range.Holds(value))
            Add(TProblemKind::OutOfRange, place, std::to_string(value), std::to_string(range.Low),
                std::to_string(range.High));
    }
    void Phone(std::uint8_t phone, TProblemPlace place) { Range(phone, PhoneReferenceRange, place); }
    // Times are shown as seconds: 0 half seconds is "0.0", the range "0.5" to "127.5".
    void Time(std::uint8_t halfSeconds, TProblemPlace place) {
        if (!InputTimeRange.Holds(halfSeconds))
            Add(TProblemKind::OutOfRange, place, SecondsText(halfSeconds), SecondsText(InputTimeRange.Low),
                SecondsText(InputTimeRange.High));
    }
    void Sms(const std::string& text, TProblemPlace place) {
        if (!IsSmsText(text))
            Add(TProblemKind::SmsCharacters, place);
    }
    void Number(const std::string& number, TProblemPlace place) {
        if (number.find('+', 1) != std::string::npos)
            Add(TProblemKind::InnerPlus, place);
    }
    void Add(TProblemKind kind, TProblemPlace place, std::string value = {}, std::string low = {},
             std::string high = {}) {
        out_.push_back({kind, {}, place, std::move(value), std::move(low), std::move(high)});
    }

private:
    static std::string SecondsText(int halfSeconds) {
        return WholeSecondsText(halfSeconds) + "." + FractionText(halfSeconds);
    }
    std::vector<TProblem>& out_;
};

void ScanInput(OffRangeScan& scan, const TInputInfo& in, std::size_t i) {
    scan.Time(in.ReactionTime, InputPlace(nkInputTime, i, "EditReactinTime1", "LIST_TIME_VAL1"));
    scan.Time(in.RestoreTime, InputPlace(nkInputTime, i, "EditReturnTime1", "LIST_TIME_VAL2"));
    scan.Time(in.LockoutTime, InputPlace(nkInputTime, i, "EditLockoutTime1", "LIST_TIME_VAL3"));
    // Only the phones of the input's report kind are the device's; the others are not kept.
    switch (in.ReportType) {
    case TReportKind::Sms:
        scan.Phone(in.SmsPhone, SubjectPlace(TCheckSubject::InputSmsPhone, i));
        break;
    case TReportKind::Clip:
        scan.Phone(in.ClipEventPhone, SubjectPlace(TCheckSubject::InputClipEventPhone, i));
        scan.Phone(in.ClipRestorePhone, SubjectPlace(TCheckSubject::InputClipRestorePhone, i));
        break;
    case TReportKind::Data:
        scan.Phone(in.DataPhone, SubjectPlace(TCheckSubject::InputDataPhone, i));
        break;
    default:
        scan.Phone(in.AlarmPhone, SubjectPlace(TCheckSubject::InputAlarmPhone, i));
        break;
    }
    if (in.ReportType != TReportKind::Data) {
        scan.Sms(in.SmsEventText, SubjectPlace(TCheckSubject::InputSmsEventText, i));
        scan.Sms(in.SmsRestoreText, SubjectPlace(TCheckSubject::InputSmsRestoreText, i));
    }
}

void ScanOutput(OffRangeScan& scan, const TOutputInfo& out, std::size_t o) {
    scan.Phone(out.ControlPhone, OutputPlace(nkOutputControlSms, o, "BaseSMSCBox", nullptr));
    scan.Sms(out.ControlText, OutputPlace(nkOutputControlSms, o, "Memo3", "LIST_CONSMS_VAL1"));
    scan.Sms(out.QueryText, OutputPlace(nkOutputControlSms, o, "Memo5", "LIST_CONSMS_VAL2"));
    scan.Phone(out.AnswerPhone, OutputPlace(nkOutputAnswerSms, o, "AnswerCBox", nullptr));
    scan.Sms(out.OnAnswerText, OutputPlace(nkOutputAnswerSms, o, "Memo6", "LIST_ANSSMS_VAL1"));
    scan.Sms(out.OffAnswerText, OutputPlace(nkOutputAnswerSms, o, "Memo7", "LIST_ANSSMS_VAL2"));
}

void ScanTest(OffRangeScan& scan, const TProjectInfo& p) {
    scan.Range(p.TestDays, TestDaysRange, Place(nkTestTime, "TestComboBox1", "REP_INP_TS_DPRM1"));
    scan.Range(p.TestHours, TestHoursRange, Place(nkTestTime, "TestComboBox2", "REP_INP_TS_DPRM2"));
    // The page counts minutes in tens.
    if (!TestMinutesRange.Holds(p.TestMinutes))
        scan.Add(TProblemKind::OutOfRange, Place(nkTestTime, "TestComboBox3", "REP_INP_TS_DPRM3"),
                 std::to_string(p.TestMinutes * 10), std::to_string(TestMinutesRange.Low * 10),
                 std::to_string(TestMinutesRange.High * 10));
    if (p.TestDays == 0 && p.TestHours == 0 && p.TestMinutes == 0)
        scan.Add(TProblemKind::ZeroTestPeriod, Place(nkTestTime, "TestComboBox3"));
    switch (p.TestReportType) {
    case TReportKind::Clip:
        scan.Phone(p.TestClipPhone1, SubjectPlace(TCheckSubject::TestClipEventPhone));
        scan.Phone(p.TestClipPhone2, SubjectPlace(TCheckSubject::TestClipRestorePhone));
        break;
    case TReportKind::Data:
        scan.Phone(p.TestDataPhone, SubjectPlace(TCheckSubject::TestDataPhone));
        break;
    default:
        scan.Phone(p.TestSmsPhone, SubjectPlace(TCheckSubject::TestSmsPhone));
        break;
    }
    if (p.TestReportType != TReportKind::Data)
        scan.Sms(p.TestSmsText, Place(nkTestSms, "PerSMSMemo"));
}

constexpr const char* AudioEdits[AudioRanges.size()] = {"EditLetNum1", "EditLetNum2", "EditLetNum3",
                                                        "EditLetNum4"};

void ScanOffRangeValues(std::vector<TProblem>& out, const TProjectInfo& p) {
    OffRangeScan scan(out);
    for (std::size_t i = 1; i <= InputCount; ++i)
        ScanInput(scan, p.Inputs[i], i);
    for (std::size_t o = 1; o <= OutputCount; ++o)
        ScanOutput(scan, p.Outputs[o], o);
    ScanTest(scan, p);
    scan.Phone(p.GsmSmsPhone, SubjectPlace(TCheckSubject::GsmSmsPhone));
    scan.Sms(p.GsmEventText, Place(nkGsmSms, "Memo8", "SMS_REP_EVEN"));
    scan.Sms(p.GsmRestoreText, Place(nkGsmSms, "Memo9", "SMS_REP_REST"));
    for (std::size_t k = 1; k <= PhoneCount; ++k) {
        TProblemPlace place = SubjectPlace(TCheckSubject::PhoneBook);
        place.Entry = static_cast<std::uint8_t>(k);
        scan.Number(p.Phones[k].Number, place);
    }
    if (std::any_of(p.Pin.begin(), p.Pin.end(), [](char c) { return c == '+' || c == '-'; }))
        scan.Add(TProblemKind::PinCharacters, Place(nkPin, "EditPin"));
    scan.Number(p.SmsCentre, Place(nkSmsCentre, "EditSMSCentre"));
    scan.Phone(p.CrowPhone, Place(nkCrow, "CrowPhonCB"));
    for (std::size_t a = 1; a <= AudioRanges.size(); ++a) {
        TProblemPlace place = Place(nkInfo, AudioEdits[a - 1]);
        place.Entry = static_cast<std::uint8_t>(a);
        place.AudioDialog = true;
        scan.Range(p.AudioParams[a], AudioRanges[a - 1], place);
    }
}

// Captions and labels of the description's texts end in spaces now and then.
std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

} // namespace

TProblemPlace FindingPlace(const TCheckFinding& finding) {
    return SubjectPlace(finding.Subject, finding.Number);
}

std::vector<TProblem> ProjectProblems(const TProjectInfo& project) {
    std::vector<TProblem> problems;
    for (const TCheckFinding& finding : CheckProject(project).Findings)
        problems.push_back({KindOf(finding.Level), finding.Line, FindingPlace(finding), {}, {}, {}});
    ScanOffRangeValues(problems, project);
    return problems;
}

std::string ProblemCountText(std::size_t count, const TLanguageTexts& texts) {
    if (count == 0)
        return texts.Text("PRG_PROBLEMS_NONE");
    if (count == 1)
        return texts.Text("PRG_PROBLEMS_ONE");
    return WithArguments(texts.Text("PRG_PROBLEMS_MANY"), {std::to_string(count)});
}

std::string ProblemText(const TProblem& problem, const TLanguageTexts& texts) {
    const TProblemPlace& place = problem.Place;
    std::string where = place.AudioDialog
                            ? WithArguments(texts.Text("PRG_PROBLEM_AUDIO"), {std::to_string(place.Entry)})
                            : Trimmed(NodeCaption(place.Node, texts));
    if (place.Field)
        where += " - " + Trimmed(texts.Text(place.Field));
    else if (place.Entry != 0 && !place.AudioDialog)
        where += " " + std::to_string(place.Entry);
    switch (problem.Kind) {
    case TProblemKind::OutOfRange:
        return WithArguments(texts.Text("PRG_PROBLEM_RANGE"),
                             {where, problem.Value, problem.Low, problem.High});
    case TProblemKind::ZeroTestPeriod:
        return WithArguments(texts.Text("PRG_PROBLEM_ZERO_PERIOD"), {where});
    case TProblemKind::SmsCharacters:
        return WithArguments(texts.Text("PRG_PROBLEM_SMS_CHARACTERS"), {where});
    case TProblemKind::InnerPlus:
        return WithArguments(texts.Text("PRG_PROBLEM_INNER_PLUS"), {where});
    case TProblemKind::PinCharacters:
        return WithArguments(texts.Text("PRG_PROBLEM_PIN_CHARACTERS"), {where});
    default:
        return problem.Line;
    }
}

} // namespace korvisel
