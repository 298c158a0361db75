// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ProjectProblems.h"

#include "core/SmsText.h"
#include "editor/HalfSecondTime.h"
#include "editor/NodeCaption.h"
#include "fields/FieldTable.h"

#include <algorithm>

namespace korvisel {
namespace {

// The field each check subject names: its row of the field table tells where it is fixed.
struct TSubjectField {
    TCheckSubject Subject;
    TFieldScope Scope;
    std::string_view Field;
};

constexpr TSubjectField SubjectFields[] = {
    {TCheckSubject::PhoneBook, TFieldScope::Phone, FieldName::Number},
    {TCheckSubject::InputAlarmPhone, TFieldScope::Input, FieldName::AlarmPhone},
    {TCheckSubject::InputSmsPhone, TFieldScope::Input, FieldName::SmsPhone},
    {TCheckSubject::InputClipEventPhone, TFieldScope::Input, FieldName::ClipEventPhone},
    {TCheckSubject::InputClipRestorePhone, TFieldScope::Input, FieldName::ClipRestorePhone},
    {TCheckSubject::InputDataPhone, TFieldScope::Input, FieldName::DataPhone},
    {TCheckSubject::GsmSmsPhone, TFieldScope::Project, FieldName::GsmSmsPhone},
    {TCheckSubject::TestSmsPhone, TFieldScope::Project, FieldName::TestSmsPhone},
    {TCheckSubject::TestClipEventPhone, TFieldScope::Project, FieldName::TestClipPhone1},
    {TCheckSubject::TestClipRestorePhone, TFieldScope::Project, FieldName::TestClipPhone2},
    {TCheckSubject::TestDataPhone, TFieldScope::Project, FieldName::TestDataPhone},
    {TCheckSubject::InputSmsEventText, TFieldScope::Input, FieldName::SmsEventText},
    {TCheckSubject::InputSmsRestoreText, TFieldScope::Input, FieldName::SmsRestoreText},
    {TCheckSubject::SharedPhone, TFieldScope::Phone, FieldName::Number},
};

bool SharesItsPage(const TFieldRow& row) {
    const auto rows = FieldRows();
    return std::count_if(rows.begin(), rows.end(), [&](const TFieldRow& other) {
               return other.Node == row.Node && other.Scope == row.Scope;
           }) > 1;
}

// Where row `row` of record n is set: its node and control, with its caption where the page has
// more than one setting, and the phone-book entry (0: the book) or audio parameter it is. An entry
// is named by its number, and a Contact ID by its page: its caption is only its first box's.
TProblemPlace RowPlace(const TFieldRow& row, std::size_t n, bool named) {
    const auto number = static_cast<std::int32_t>(n);
    const bool entry = row.Scope == TFieldScope::Phone || row.Scope == TFieldScope::Audio;
    const bool captioned = named && !entry && row.Type != TFieldType::ContactId && SharesItsPage(row);
    TProblemPlace place{{row.Node, row.Scope == TFieldScope::Input ? number : 0,
                         row.Scope == TFieldScope::Output ? number : 0},
                        row.Control.data(),
                        captioned ? row.Caption : nullptr};
    if (entry)
        place.Entry = static_cast<std::uint8_t>(n);
    place.AudioDialog = row.Scope == TFieldScope::Audio;
    return place;
}

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
TProblemPlace SubjectPlace(TCheckSubject subject, std::size_t number) {
    for (const TSubjectField& s : SubjectFields)
        if (s.Subject == subject)
            for (const TFieldRow& row : FieldRows())
                if (row.Scope == s.Scope && row.Name == s.Field)
                    return RowPlace(row, subject == TCheckSubject::PhoneBook ? 0 : number, true);
    return {{nkInfo, 0, 0}, ""};
}

// The values a file can hold that no page would set, as the field table describes each setting: the
// inputs, the outputs, then the rest in the table's order with the audio parameters last.
class OffRangeScan {
public:
    OffRangeScan(const TProjectInfo& project, std::vector<TProblem>& out) : project_(project), out_(out) {}

    void Scope(TFieldScope scope) {
        for (const TFieldRow& row : FieldRows())
            if (row.Scope == scope)
                Row(row);
    }
    void AllBut(std::initializer_list<TFieldScope> scopes) {
        for (const TFieldRow& row : FieldRows())
            if (std::find(scopes.begin(), scopes.end(), row.Scope) == scopes.end())
                Row(row);
    }

private:
    void Row(const TFieldRow& row) {
        const auto [first, last] = RecordsOf(row);
        for (std::size_t n = first; n <= last; ++n)
            if (GateOpen(row.When, GatingKind(project_, row.Scope, n)))
                Field(row, n);
    }

    void Field(const TFieldRow& row, std::size_t n) {
        switch (row.Type) {
        case TFieldType::Number:
        case TFieldType::Phone:
            if (const long long value = row.Access.GetNumber(project_, n);
                value < row.Settable.Low || value > row.Settable.High)
                Add(TProblemKind::OutOfRange, RowPlace(row, n, true), Shown(row, value),
                    Shown(row, row.Settable.Low), Shown(row, row.Settable.High));
            break;
        case TFieldType::SmsText:
            if (!IsSmsText(row.Access.GetText(project_, n)))
                Add(TProblemKind::SmsCharacters, RowPlace(row, n, true));
            break;
        case TFieldType::PhoneNumber:
            if (row.Access.GetText(project_, n).find('+', 1) != std::string::npos)
                Add(TProblemKind::InnerPlus, RowPlace(row, n, true));
            break;
        default:
            break;
        }
        if (!row.Doubt)
            return;
        const TDoubtKind doubt = row.Doubt(project_).Kind;
        if (doubt == TDoubtKind::ZeroPeriod)
            Add(TProblemKind::ZeroTestPeriod, RowPlace(row, n, false));
        else if (doubt == TDoubtKind::PinCharacters)
            Add(TProblemKind::PinCharacters, RowPlace(row, n, false));
    }

    // As the page shows it: times in seconds with a point, the test's minutes as minutes.
    static std::string Shown(const TFieldRow& row, long long value) {
        switch (row.Unit) {
        case TFieldUnit::HalfSeconds:
            return WholeSecondsText(static_cast<int>(value)) + "." + FractionText(static_cast<int>(value));
        case TFieldUnit::TensOfMinutes:
            return std::to_string(value * 10);
        default:
            return std::to_string(value);
        }
    }

    void Add(TProblemKind kind, TProblemPlace place, std::string value = {}, std::string low = {},
             std::string high = {}) {
        out_.push_back({kind, {}, place, std::move(value), std::move(low), std::move(high)});
    }

    const TProjectInfo& project_;
    std::vector<TProblem>& out_;
};

void ScanOffRangeValues(std::vector<TProblem>& out, const TProjectInfo& p) {
    OffRangeScan scan(p, out);
    scan.Scope(TFieldScope::Input);
    scan.Scope(TFieldScope::Output);
    scan.AllBut({TFieldScope::Input, TFieldScope::Output, TFieldScope::Audio});
    scan.Scope(TFieldScope::Audio);
}

// Captions and labels of the description's texts end in spaces now and then.
std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// Who reports and through which of its phones, for the findings about a report's phone.
struct TPhoneFinding {
    TCheckSubject Subject;
    TTextKey Source; // "Input %1" takes the input's number
    TTextKey Phone;
};

// Not constexpr: each key is then checked alone, within the compiler's step limit for one evaluation.
const TPhoneFinding PhoneFindings[] = {
    {TCheckSubject::InputAlarmPhone, "PRG_CHECK_INPUT", "PRG_CHECK_ALARM_PHONE"},
    {TCheckSubject::InputSmsPhone, "PRG_CHECK_INPUT", "PRG_CHECK_SMS_PHONE"},
    {TCheckSubject::InputClipEventPhone, "PRG_CHECK_INPUT", "PRG_CHECK_CLIP_EVENT_PHONE"},
    {TCheckSubject::InputClipRestorePhone, "PRG_CHECK_INPUT", "PRG_CHECK_CLIP_RESTORE_PHONE"},
    {TCheckSubject::InputDataPhone, "PRG_CHECK_INPUT", "PRG_CHECK_DATA_PHONE"},
    {TCheckSubject::GsmSmsPhone, "PRG_CHECK_GSM", "PRG_CHECK_SMS_PHONE"},
    {TCheckSubject::TestSmsPhone, "PRG_CHECK_TEST", "PRG_CHECK_SMS_PHONE"},
    {TCheckSubject::TestClipEventPhone, "PRG_CHECK_TEST", "PRG_CHECK_CLIP_EVENT_PHONE"},
    {TCheckSubject::TestClipRestorePhone, "PRG_CHECK_TEST", "PRG_CHECK_CLIP_RESTORE_PHONE"},
    {TCheckSubject::TestDataPhone, "PRG_CHECK_TEST", "PRG_CHECK_DATA_PHONE"},
};

} // namespace

TKeyedText FindingText(const TCheckFinding& finding, const TProjectInfo& project) {
    const TKeyedText number = Literal(std::to_string(finding.Number));
    switch (finding.Subject) {
    case TCheckSubject::PhoneBook:
        return Keyed("PRG_CHECK_NO_PHONES");
    case TCheckSubject::InputSmsEventText:
        return Keyed("PRG_CHECK_SMS_EVENT_EMPTY", {number});
    case TCheckSubject::InputSmsRestoreText:
        return Keyed("PRG_CHECK_SMS_RESTORE_EMPTY", {number});
    case TCheckSubject::SharedPhone:
        return Keyed("PRG_CHECK_SHARED_PHONE", {number, Literal(project.Phones.Contains(finding.Number)
                                                                    ? project.Phones[finding.Number].Number
                                                                    : std::string{})});
    default:
        break;
    }
    for (const TPhoneFinding& f : PhoneFindings)
        if (f.Subject == finding.Subject)
            return Keyed(finding.Phone == 0 ? TTextKey("PRG_CHECK_PHONE_NONE")
                                            : TTextKey("PRG_CHECK_PHONE_EMPTY"),
                         {Keyed(f.Source, {number}), Keyed(f.Phone)});
    return Literal(finding.Line);
}

TProblemPlace FindingPlace(const TCheckFinding& finding) {
    return SubjectPlace(finding.Subject, finding.Number);
}

std::vector<TProblem> ProjectProblems(const TProjectInfo& project) {
    std::vector<TProblem> problems;
    for (const TCheckFinding& finding : CheckProject(project).Findings)
        problems.push_back(
            {KindOf(finding.Level), FindingText(finding, project), FindingPlace(finding), {}, {}, {}});
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
                             {where, DecimalText(problem.Value, texts.CountRules()),
                              DecimalText(problem.Low, texts.CountRules()),
                              DecimalText(problem.High, texts.CountRules())});
    case TProblemKind::ZeroTestPeriod:
        return WithArguments(texts.Text("PRG_PROBLEM_ZERO_PERIOD"), {where});
    case TProblemKind::SmsCharacters:
        return WithArguments(texts.Text("PRG_PROBLEM_SMS_CHARACTERS"), {where});
    case TProblemKind::InnerPlus:
        return WithArguments(texts.Text("PRG_PROBLEM_INNER_PLUS"), {where});
    case TProblemKind::PinCharacters:
        return WithArguments(texts.Text("PRG_PROBLEM_PIN_CHARACTERS"), {where});
    default:
        return TextOf(problem.Finding, texts);
    }
}

} // namespace korvisel
