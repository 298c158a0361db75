// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FieldNodes.h"

#include <charconv>

namespace korvisel {
namespace {

struct TFieldKind {
    std::string_view Name;
    TNodeKind Kind;
};

constexpr TFieldKind InputFields[] = {
    {"Enabled", nkInput},
    {"ArmConfirm", nkInput},
    {"ReportType", nkInputReport},
    {"Signal", nkInputSignal},
    {"ReactionTime", nkInputTime},
    {"RestoreTime", nkInputTime},
    {"LockoutTime", nkInputTime},
    {"SmsPhone", nkInputSms},
    {"SmsEventText", nkInputSms},
    {"SmsRestoreText", nkInputSms},
    {"AlarmPhone", nkInputAlarm},
    {"ClipEventPhone", nkInputClip},
    {"ClipRestorePhone", nkInputClip},
    {"DataPhone", nkInputData},
    {"Cid", nkInputData},
};

constexpr TFieldKind OutputFields[] = {
    {"StartState", nkOutputStart},
    {"WorkType", nkOutputType},
    {"Time", nkOutputTime},
    {"ControlPhone", nkOutputControlSms},
    {"ControlText", nkOutputControlSms},
    {"QueryText", nkOutputControlSms},
    {"AnswerPhone", nkOutputAnswerSms},
    {"OnAnswerText", nkOutputAnswerSms},
    {"OffAnswerText", nkOutputAnswerSms},
};

constexpr TFieldKind ProjectFields[] = {
    {"TestEnabled", nkPeriodicTest},
    {"TestReportType", nkTestReport},
    {"TestDays", nkTestTime},
    {"TestHours", nkTestTime},
    {"TestMinutes", nkTestTime},
    {"TestSmsPhone", nkTestSms},
    {"TestSmsText", nkTestSms},
    {"TestClipPhone1", nkTestClip},
    {"TestClipPhone2", nkTestClip},
    {"TestDataPhone", nkTestData},
    {"TestCid", nkTestData},
    {"GsmEnabled", nkGsmTest},
    {"GsmLevel", nkGsmLevel},
    {"GsmReactionTime", nkGsmTime},
    {"GsmLockoutTime", nkGsmTime},
    {"GsmRestoreSms", nkGsmSms},
    {"GsmSmsPhone", nkGsmSms},
    {"GsmEventText", nkGsmSms},
    {"GsmRestoreText", nkGsmSms},
    {"Phones", nkPhones},
    {"Pin", nkPin},
    {"SmsCentre", nkSmsCentre},
    {"CrowPhone", nkCrow},
    {"CrowObject", nkCrow},
};

template <std::size_t N>
std::optional<TNodeKind> KindOf(const TFieldKind (&fields)[N], std::string_view name) {
    for (const TFieldKind& f : fields)
        if (f.Name == name)
            return f.Kind;
    return std::nullopt;
}

// "Name[n]" and what follows it: the name, the number (0 when there is none) and the rest after
// the dot.
struct TPathStep {
    std::string_view Name;
    int Number = 0;
    std::string_view Rest;
};

TPathStep FirstStep(std::string_view field) {
    TPathStep step;
    const std::size_t end = field.find_first_of("[.");
    step.Name = field.substr(0, end);
    if (end == std::string_view::npos)
        return step;
    std::size_t next = end;
    if (field[end] == '[') {
        const std::size_t close = field.find(']', end);
        if (close == std::string_view::npos)
            return step;
        std::from_chars(field.data() + end + 1, field.data() + close, step.Number);
        next = close + 1;
    }
    if (next < field.size() && field[next] == '.')
        step.Rest = field.substr(next + 1);
    return step;
}

} // namespace

TTreeNodeData FieldNode(std::string_view field) {
    const TPathStep step = FirstStep(field);
    const std::string_view inner = FirstStep(step.Rest).Name;
    if (step.Name == "Inputs" && TInputNumber{step.Number}.Valid())
        if (const auto kind = KindOf(InputFields, inner))
            return {*kind, step.Number, 0};
    if (step.Name == "Outputs" && TOutputNumber{step.Number}.Valid())
        if (const auto kind = KindOf(OutputFields, inner))
            return {*kind, 0, step.Number};
    if (const auto kind = KindOf(ProjectFields, step.Name))
        return {*kind, 0, 0};
    return {nkInfo, 0, 0};
}

} // namespace korvisel
